#pragma once

#include <QString>

class QLabel;

namespace controls {

// Names of files and folders and texts from skin files are shown as they
// are written: a name such as "<font size=7>BIG" or "<img src=...>" must
// not turn into big letters or somebody's picture.

// A label that shows its text literally from now on.
QLabel& makePlainText(QLabel& label);

// Tool tips have no text format of their own: the tip window treats every
// text that looks like markup as markup. This wraps `text` so that the tip
// shows it literally, blanks included.
QString plainToolTip(const QString& text);

// What a tool tip says, as plain text without the blanks round it: the
// description screen readers get, which must not read out markup.
QString toolTipText(const QString& toolTip);

// A caption for a button or check box that shows every "&" of a name as it
// is written, instead of taking it for a keyboard mnemonic.
QString literalCaption(const QString& text);

} // namespace controls
