#pragma once

#include "tape/tape_canvas.h"
#include "tape/tape_line_store.h"

namespace vantrel {

// A printer seen as pages of twips, measured from the top-left corner of the printable area.
class TapePrintSurface : public TapeCanvas {
  public:
    virtual double printableWidth() const = 0;
    virtual double printableHeight() const = 0;
    // False when the printer refuses the page.
    virtual bool newPage() = 0;
};

// Flows every line of the tape into columns side by side, then onto further pages, in the
// screen's layout. Returns false when the printer failed; the rest of the tape is then not
// printed.
bool PrintTapeLines(TapePrintSurface& surface, const TapeLineStore& store);

}  // namespace vantrel
