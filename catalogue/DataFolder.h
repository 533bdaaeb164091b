// SPDX-License-Identifier: MIT
// Which folder the game plays (its catalogue and models), and entering it before loading: the
// game's rule, which `shipyard check` follows too.
#pragma once

#include <string>

// The installed default data: the data folder beside the running executable's own folder
// (found through /proc/self/exe, so an installed copy works wherever its prefix is). Empty when
// the executable's path cannot be read.
std::string InstalledDataFolder();

// The folder to play: `requested` (from --data) when not empty; else the working folder when it
// holds anything named alukset.txt (a modder's catalogue, even one that cannot be used); else
// `installed` when it holds alukset.txt; else the working folder, where loading then reports the
// missing catalogue. Empty means the working folder.
std::string ChooseDataFolder(const std::string& requested, const std::string& installed);

// Makes `folder` the working folder, since the catalogue and the models it names are read
// relative to it; an empty `folder` leaves it as it is. False, with one line naming the folder
// and the problem in `problem`, when it does not exist, is not a folder or cannot be read.
bool EnterDataFolder(const std::string& folder, std::string& problem);

// Whether the working folder's catalogue can be opened, when something is there under its name.
// False, with "ERROR: alukset.txt cannot be used: REASON" in `problem`, for a named pipe, a folder
// or a file that may not be read. Nothing there is left for loading to report missing.
bool WorkingCatalogueUsable(std::string& problem);

// When the working folder has nothing named alukset.txt, one line for standard error saying how
// to play: --data, and where this build wrote its ships while they are there. Empty otherwise.
std::string NoShipsHint();
