#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include "tape/tape_line_store.h"

namespace vantrel {

class TapeMarks;

// What a printout is made of besides the lines.
struct TapePaper {
    QString fontFamily;
    QSizeF pageMillimetres;
    QString title;
};

// The tape as a PDF document at 10 points in the paper's typeface, black on white with red
// negatives, the whole page printable. Empty when a page could not be made or reading the tape
// threw: half a tape must not reach the paper. Safe on a worker thread with marks of its own.
QByteArray TapePdf(const TapeLineStore& store, const TapePaper& paper, const TapeMarks& marks);

}  // namespace vantrel
