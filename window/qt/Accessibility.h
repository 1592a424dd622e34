#pragma once

// Tells Qt how the window's own controls present themselves to assistive
// technology: the window as a frame named by its caption, the text boxes
// through AccessibleTextBox, the line as a separator. Once per process.
void InstallAccessibility();

class QWidget;

// Names and describes the window's controls for a screen reader, and ties
// each unit label to the box it labels.
void DescribeControls(QWidget* form);
