#pragma once

// The menu commands of the editor's window.

struct EditorApp;

// Asks before unsaved changes are discarded (offering to save them first); true to go on.
bool ConfirmDiscard(EditorApp& app);

void CommandNew(EditorApp& app);
void CommandLoad(EditorApp& app);
void CommandOldLoad(EditorApp& app);
// "Speichern": the folder dialog, starting at the system's own folder. Returns true when every
// file was written.
bool CommandSave(EditorApp& app);
// Ctrl+S: saves into the system's own folder, asking for one only when there is none.
bool CommandQuickSave(EditorApp& app);
void CommandUndo(EditorApp& app);
void CommandRedo(EditorApp& app);
void CommandSettings(EditorApp& app);
void CommandInfo(EditorApp& app);
void CommandHelp(EditorApp& app);
