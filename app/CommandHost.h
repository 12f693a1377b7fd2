// What a batch command needs of the window it runs in, and nothing more: the
// command reaches the window only through this.
#pragma once

#include <string>
#include <vector>

enum class BatchKind { FileTime, Extension, LowerCase, UpperCase };

// What a command works with, copied as it is confirmed: what the window
// shows later cannot change what the command does.
struct CommandInputs {
    std::vector<std::string> selection;  // the selected entries as full paths, in the list's order
    std::string directory;               // the current directory
    std::string extension;               // the extension text
    std::string timeFields[6];           // year, month, day, hour, minute, second as typed
};

enum class MessageKind { Information, Warning, Error };

class CommandHost {
public:
    virtual ~CommandHost() = default;

    // Asks the question; true only for Yes.
    virtual bool Confirm(const std::string& question) = 0;
    virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
    virtual CommandInputs ReadInputs() = 0;
    // Shows the hour, minute and second as the time command takes them.
    virtual void ShowTimeFields(const std::string& hour, const std::string& minute, const std::string& second) = 0;
    // While locked, nothing can change what the command works on; Esc still reaches it.
    virtual void LockInput(bool locked) = 0;
    // Walks directory and its subfolders, handing every file to the
    // command's FileFound; false when the walk was cut short by StopScan or
    // the program is ending.
    virtual bool Scan(const std::string& directory) = 0;
    virtual void StopScan() = 0;
    // Lets pending messages through, so that the window repaints and answers.
    virtual void LetMessagesThrough() = 0;
    // Reads the file list anew with these names of the current directory selected.
    virtual void Reselect(const std::vector<std::string>& names) = 0;
    // Closes the window, as asked for while the command ran.
    virtual void CloseWindow() = 0;
};
