#pragma once

class QLineEdit;

// How many leading characters an input box selects when it is entered.
inline constexpr int EntrySelectionLength = 10;

// Selects the first ten characters of the box (all of a shorter text), with
// the caret at the end of the selection, so that the next key replaces them.
// In a longer text the rest stays unselected behind the selection.
void SelectEntry(QLineEdit* box);
