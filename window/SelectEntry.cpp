#include "window/SelectEntry.h"

#include <QLineEdit>

#include <algorithm>

void SelectEntry(QLineEdit* box)
{
    const int length =
        static_cast<int>(std::min<qsizetype>(EntrySelectionLength, box->text().size()));
    if (length == 0) {
        box->deselect();
        box->setCursorPosition(0);
        return;
    }
    box->setSelection(0, length);
}
