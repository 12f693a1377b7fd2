// Where one batch command stands, and what the window may do meanwhile.
#pragma once

namespace core {

enum class CommandPhase {
    Idle,        // no command
    Confirming,  // the question is shown
    Gathering,   // the targets are read from the selection or scanned
    Running,     // the batch works through the targets
    Reporting,   // its outcome is shown
    Closing,     // a close asked for meanwhile is carried out
    Listing,     // outside a command, a long listing lets messages through
};

enum class CommandAction {
    Command,       // one of the four commands, or a click of an operation button
    About,         // the about box
    FileListMenu,  // the file list's right-click menu
    Undo,          // Ctrl+Z or the menu's undo
    Refresh,       // F5 or the menu's refresh
    SelectAll,     // Ctrl+A or the menu's select all
    Close,         // closing the window now; otherwise it closes once the command is done
    Stop,          // Esc: a scan ends at once, a batch after its current file
};

// Whether action may be carried out now. Only one command runs at a time,
// and nothing that opens a modal loop or rereads the lists under it.
bool Allows(CommandPhase phase, CommandAction action);

}  // namespace core
