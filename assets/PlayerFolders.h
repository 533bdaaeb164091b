// SPDX-License-Identifier: MIT
// The player's own folders as the XDG base directories name them: settings in the config
// folder, screenshots, records and demos in the data folder.
#pragma once

#include <string>

// $XDG_CONFIG_HOME/starchase when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/starchase; empty when neither is set. Null arguments read the environment.
std::string PlayerConfigFolder(const char* xdgConfigHome, const char* home);
std::string PlayerConfigFolder();

// $XDG_DATA_HOME/starchase when XDG_DATA_HOME is an absolute path, else
// $HOME/.local/share/starchase; empty when neither is set.
std::string PlayerDataFolder(const char* xdgDataHome, const char* home);
std::string PlayerDataFolder();

// Like mkdir -p: true when `folder` is a folder at the end; else false with the reason naming
// the part that failed.
bool MakeFolders(const std::string& folder, std::string& reason);
