#pragma once

// Saving over another system keeps that system's files: before the save replaces them, they are
// copied into a dated backup folder in its folder, and its place files that the save does not
// write are moved there afterwards. Nothing of it is deleted.

#include <filesystem>
#include <string>
#include <vector>

struct BackupPlan {
  bool ok = true;
  std::string error;                             // German (UTF-8) when the copy failed
  std::filesystem::path folder;                  // "Sicherung JJJJ-MM-TT hh-mm-ss"
  std::vector<std::filesystem::path> leftovers;  // place files the save does not write
};

// Copies System.ini, Routen.ini, the two notes and every Orte\*.ini of `systemFolder` into a new
// folder "Sicherung <date> <time>" there (" (2)" and on when the name is taken). `written` names
// the files the save writes; the other place files become the leftovers.
BackupPlan BackUpSystem(const std::filesystem::path& systemFolder,
                        const std::vector<std::filesystem::path>& written);

// After the save: removes the leftover place files, which the backup holds (so they are moved
// aside). One German sentence per file that could not be removed.
std::vector<std::string> RemoveBackedUpLeftovers(const BackupPlan& backup);
