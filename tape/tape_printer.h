#pragma once

#include <QString>

#include "tape/tape_line_store.h"

class QPrinter;

namespace vantrel {

class TapeMarks;

// Prints the tape on `printer` at 10 points in the given typeface, black on white with red
// negatives. Returns false when the printer could not start or failed on the way; the job is
// then abandoned, as it is when reading the tape throws.
bool PrintTape(QPrinter& printer, const TapeLineStore& store, const QString& fontFamily,
               const TapeMarks& marks);

}  // namespace vantrel
