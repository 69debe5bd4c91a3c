#pragma once

#include "core/common/document.h"

namespace tav::platform {

// A document's questions and messages through the kit's message boxes: the
// question before replacing a file another program changed (Return answers
// No), and what a step that could not be taken says.
DocumentPrompts &documentPrompts();

// When a window becomes active: once for each change of its document's file
// by another program, asks whether to load it now; Yes reloads it as a step
// of the document. Returns whether it was reloaded.
bool offerReload(Document &document);

} // namespace tav::platform
