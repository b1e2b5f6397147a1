#pragma once

// Small universes on disk for the editor's tests, and helpers to answer its modal dialogs.

#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/temp_folder.h"

class QLineEdit;
class QPushButton;
class QWidget;

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// Each line followed by CR LF.
std::string Lines(std::initializer_list<std::string> lines);

// A field padded with blanks to `width` (a longer text stays whole).
std::string Pad(const std::string& text, size_t width);
// A 190-character person line of a place file.
std::string Person(const std::string& mainKind, const std::string& subKind, const std::string& from,
                   const std::string& against, const std::string& x, const std::string& y,
                   const std::string& ships, const std::string& info, const std::string& price);
// One ten-line element record of System.ini: the group, then the nine values.
std::string Element(std::initializer_list<std::string> values);

// Catalogues (Latin-1, CR LF) and the system "Testsystem" in the editor's own form.
void WriteTinyUniverse(const std::filesystem::path& ini);

// The sample universe of the repository converted as the build converts it (Latin-1, CR LF).
// False when the repository's data is not at hand.
bool WriteSampleUniverse(const std::filesystem::path& ini);

// Runs `action` on the next modal window (a dialog or message box) that is `wanted` (any when
// not given) once it is shown.
void WhenModal(std::function<void(QWidget*)> action,
               std::function<bool(QWidget*)> wanted = nullptr);
// Answers the next folder dialog: types the name (Latin-1 text as UTF-8 source) and presses
// its button; an empty name closes the dialog instead.
void AnswerFolderDialog(const std::string& utf8Name);
// Presses the button of the next message box whose text is `buttonText`.
void AnswerMessageBox(const char* buttonText, std::string* seenText = nullptr);

// The author's hands: replaces a field's text by typing, clicks a button, and presses Ctrl with
// the key (Ctrl+Z, Ctrl+Y) with the focus on `where`.
void Type(QLineEdit* field, const std::string& text);
void Click(QPushButton* button);
void PressShortcut(QWidget* where, int key);
