#pragma once

class QDialog;

// Runs the program's own dialogs modally. Windows hand their dialogs to this instead of calling
// exec() themselves, so that tests can fill in and close a dialog without a modal event loop.
class DialogRunner
{
public:
    virtual ~DialogRunner() = default;

    // Runs `dialog` until it closes and returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog &dialog) = 0;
};
