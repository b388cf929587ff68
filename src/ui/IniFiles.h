#pragma once
// The toolkit's ini file: the whole file is read when the object is made and written back
// whole by UpdateFile, in the encoding it was read in.
#include "ui/IniDocument.h"

#include <cstddef>
#include <string>

// A settings file larger than this is not a settings file of ours: it is neither read into
// memory nor overwritten.
inline constexpr std::size_t MaxIniFileSize = 1024 * 1024;

class TMemIniFile : public TIniDocument {
public:
    explicit TMemIniFile(std::wstring fileName);

    const std::wstring& FileName() const { return FFileName; }
    // False when a file is there but could not be read (locked, too large, not a file):
    // its values then read as their defaults.
    bool Readable() const { return FReadable; }
    // Replaces the file with the document in one step, so a failed write leaves the old file
    // whole. False when nothing was written: the file was unreadable (writing would lose what
    // it holds), is read-only, or the disk refused.
    bool UpdateFile();

private:
    std::wstring FFileName;
    bool FReadable = true;
};

// The system's ANSI code page (CP_ACP).
extern const TAnsiCodePage SystemAnsiCodePage;
