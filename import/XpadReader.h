#pragma once

#include "import/PeerNote.h"

namespace import {

// The pads of the sticky-pad program: a folder of "info-XXXXXX" files (the pad's size, colours
// and "content content-XXXXXX", the name of its text file) and the text files themselves.
// Pads keep no title, no group and no creation time: the text file's time stands for both
// times, and every pad goes to Default. A text file no info file names is a pad all the same.
ReadResult readXpadFolder(const QString& folder);

} // namespace import
