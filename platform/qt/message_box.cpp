// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace besedka {

namespace {

QString title() {
    return QStringLiteral("Беседка");
}

} // namespace

MessageBox::Recorder* MessageBox::recorder_ = nullptr;

void MessageBox::showError(const QString& text, std::function<void()> onClosed) {
    if (recorder_ != nullptr) {
        recorder_->record(text, std::move(onClosed));
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Critical, title(), text, QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, box, [onClosed = std::move(onClosed)] {
        if (onClosed)
            onClosed();
    });
    box->show();
}

void MessageBox::showErrorAndWait(const QString& text) {
    if (recorder_ != nullptr) {
        recorder_->record(text, {});
        return;
    }
    QMessageBox::critical(nullptr, title(), text);
}

MessageBox::Recorder::Recorder() {
    recorder_ = this;
}

MessageBox::Recorder::~Recorder() {
    recorder_ = nullptr;
}

void MessageBox::Recorder::record(const QString& text, std::function<void()> onClosed) {
    texts_.append(text);
    openBoxes_.push_back(std::move(onClosed));
}

void MessageBox::Recorder::closeAll() {
    auto boxes = std::move(openBoxes_);
    openBoxes_.clear();
    for (auto& onClosed : boxes) {
        if (onClosed)
            onClosed();
    }
}

} // namespace besedka
