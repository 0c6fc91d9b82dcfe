#pragma once

#include <functional>

// How a save that was asked for ended. Anything but Saved means the document's
// changes still live only in memory.
enum class SaveResult {
    Saved,
    Cancelled, // the user backed out of a file dialog or a question
    Failed,    // the write failed; its message has been shown
};

using SaveHandler = std::function<SaveResult()>;
