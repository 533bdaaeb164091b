// SPDX-License-Identifier: MIT
// A ship set known by its files: a hash of the catalogue's bytes and of every model and texture
// file it names, so that a changed set never competes with another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The hash of a set of no files (64-bit FNV-1a's offset basis).
constexpr uint64_t EmptyShipSetHash = 14695981039346656037ull;

// The hash so far with one more file: its path as named, whether it could be read, its length
// and its bytes (empty when it could not be read), each counted so that no two sets of files
// run together into the same bytes. 64-bit FNV-1a; lengths least significant byte first.
uint64_t AddToShipSetHash(uint64_t hash, const std::string& path, bool read,
                          const std::vector<unsigned char>& bytes);

// The same, a file at a time: its path, whether it was read and its length, then its bytes in as
// many pieces as they come in.
uint64_t StartShipSetFile(uint64_t hash, const std::string& path, bool read, uint64_t length);
uint64_t AddShipSetBytes(uint64_t hash, const unsigned char* bytes, size_t size);

// The model files the game loads for the catalogue text: one per type in name order, the first
// record under a name winning, as the game reads it.
std::vector<std::string> CatalogueModelFiles(const std::string& catalogueText);

// The hash of the set in the data folder `folder` (empty: the working folder), as the game plays
// it: its alukset.txt, then each model it names in name order and after each model the texture
// files of its materials in order, each file once and under the path the set names it by, so the
// same set hashes alike in any folder. A model or texture that cannot be read counts as missing.
// Each file is read once, front to back, in pieces of DefaultPieceBytes hashed as they arrive: the
// memory taken follows the catalogue's types and a model's materials, never a file's length.
// False, with the reason, when the catalogue itself cannot be read.
bool HashShipSet(const std::string& folder, uint64_t& set, std::string& reason);
