#pragma once

#include <QString>

namespace vantrel {

// Resource paths of the keypad faces; each face's natural size is its button's size.
QString KeyFacePath(int index);
QString UndoFacePath(bool enabled);
QString WindowIconPath();

}  // namespace vantrel
