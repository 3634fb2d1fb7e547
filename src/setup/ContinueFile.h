#pragma once
// The continue file: the game under way, kept in the player's folder so that it
// survives closing the window, a crash or a power cut. It is rewritten after every
// step through a scratch file of its own name (written whole, flushed, renamed over
// the old one), so a kill at any instant leaves the previous game or the new one.
// It is removed when the game ends or is given up; a file that cannot be read is
// never deleted but set aside under a new name.
#include "results/ScratchFile.h"
#include "setup/SavedGame.h"
#include <QDir>

inline constexpr char kContinueFileName[] = "folytat.dat";
inline constexpr char kContinueScratchFileName[] = "folytat.dat.tmp";
// A file larger than the longest game a file may hold is not one.
constexpr qint64 kMaxContinueFileSize = 64 + 256 + qint64{kMaxSavedSteps} * 5;

bool WriteContinueFile(const QDir& folder, const SavedGame& game, const RenameFile& rename = RenameOver);

enum class ContinueFileStatus {
    Missing,     // no game is kept
    Read,        // the bytes are in `bytes`
    Unreadable,  // not a regular file, too large, or cannot be opened
};

struct ContinueFileRead {
    ContinueFileStatus status = ContinueFileStatus::Missing;
    QByteArray bytes;
};

ContinueFileRead ReadContinueFile(const QDir& folder);
// Removes the file; true when no file is left.
bool RemoveContinueFile(const QDir& folder);
// Renames the file to a name of its own that no file has yet ("folytat.dat.hibas",
// then "folytat.dat.hibas2", ...). Returns that name, or an empty text when the
// rename failed and the file stayed where it was.
QString SetContinueFileAside(const QDir& folder);
