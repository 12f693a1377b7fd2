// The per-file work of the extension and case renaming batches.
#pragma once

#include "app/BatchProgress.h"
#include "app/BatchRecord.h"
#include "app/BatchResult.h"
#include "app/CaseOnlyRename.h"
#include "app/LinkCheck.h"
#include "core/FailureReport.h"

#include <functional>
#include <string>
#include <vector>

enum class RenameKind { Extension, LowerCase, UpperCase };

class RenameOperation {
public:
    explicit RenameOperation(RenameKind kind);

    // The path the file is renamed to. A case rename keeps the folder byte
    // for byte and maps the name alone: a folder spelt in another case may
    // be another folder.
    std::string NewPath(const std::string& oldPath, const std::string& extension) const;

    // Renames one file to NewPath(oldPath, extension). False when the file
    // does not carry the new name afterwards; failure then holds the path
    // and the reason. A new name the platform would alter or refuse, one
    // too long for a name, or a new path too long to be addressed again, is
    // such a failure, and the file is left alone. renamedTo gets the new path when the name
    // changed, else stays empty.
    bool Apply(const std::string& oldPath, const std::string& extension, core::FileFailure& failure,
               std::string* renamedTo = nullptr);

private:
    RenameKind kind_;
    CaseOnlyRename caseOnly_;
    LinkCheck links_;
};

// Renames every target; a file that does not end up with its new name is
// listed with the reason, and the batch goes on. The bar advances after each
// rename. Every file renamed is added to record, when given. extensionText
// is asked for every file (extension renaming only); a text that would give
// every file a name the platform alters, or that no name could hold, is
// refused at the first file, before any file is touched.
BatchResult RunRenameBatch(const std::vector<std::string>& targets, RenameKind kind,
                           const std::function<std::string()>& extensionText, const BatchProgress& progress,
                           BatchRecord* record = nullptr);
