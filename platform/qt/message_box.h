// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace besedka {

// Message boxes of the program. Tests record them instead of showing them, so that nothing blocks.
class MessageBox {
public:
    // Shows an error without holding up the caller: the handler that failed ends, and the
    // timers go on while the box is open. onClosed runs when the user closes the box.
    static void showError(const QString& text, std::function<void()> onClosed);
    // Shows an error and returns when the user has closed it: start-up failures, before the
    // main window exists.
    static void showErrorAndWait(const QString& text);

    // While a Recorder lives, boxes are recorded instead of shown; a recorded box stays
    // "open" until the test closes it.
    class Recorder {
    public:
        Recorder();
        ~Recorder();
        Recorder(const Recorder&) = delete;
        Recorder& operator=(const Recorder&) = delete;

        // Texts of every box opened since the recorder began, in order.
        const QStringList& texts() const { return texts_; }
        // Closes every box still open, as the user's OK would.
        void closeAll();

    private:
        friend class MessageBox;
        void record(const QString& text, std::function<void()> onClosed);

        QStringList texts_;
        std::vector<std::function<void()>> openBoxes_;
    };

private:
    static Recorder* recorder_;
};

} // namespace besedka
