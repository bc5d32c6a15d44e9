#pragma once

#include <string>
#include <string_view>

#include "file_api.h"

namespace ombrelune {

// Replaces the file at `path` with `bytes` so that a failure at any point
// leaves the old file as it was: the bytes go to a new file in the same folder,
// are written in full and synced, and only then renamed over the target. An
// existing target's permission bits are kept; a new file gets 0666 less the
// umask, as any new file. When `path` is a symbolic link, the file it points to
// is replaced (the temporary file is written beside it) and the link stays.
// Returns false when anything failed; the temporary file is then removed.
bool WriteFileReplacing(const std::string& path, std::string_view bytes,
                        FileApi& files = PosixFileApi());

}  // namespace ombrelune
