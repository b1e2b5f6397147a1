#pragma once

// The menu commands of the editor's window.

struct EditorApp;

// Asks before unsaved changes are discarded (offering to save them first); true to go on.
bool ConfirmDiscard(EditorApp& app);

void CommandNew(EditorApp& app);
void CommandLoad(EditorApp& app);
void CommandOldLoad(EditorApp& app);
// Returns true when every file was written.
bool CommandSave(EditorApp& app);
void CommandUndo(EditorApp& app);
void CommandRedo(EditorApp& app);
void CommandSettings(EditorApp& app);
void CommandInfo(EditorApp& app);
void CommandHelp(EditorApp& app);
