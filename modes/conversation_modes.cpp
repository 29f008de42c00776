// The main window's side of the two conversation modes: the switches, the exchange poll and the
// editor window's opening.
#include "modes/tform2.h"
#include "platform/qt/engine_text.h"
#include "platform/qt/error_report.h"
#include "shell/tform1.h"

namespace besedka {

namespace {

const QColor kTeal(0, 128, 128);

} // namespace

void TForm1::connectModeHandlers() {
    T2.setHandler([this] { T2Timer(); });
    T6.setHandler([this] { T6Timer(); });
    T9.setHandler([this] { T9Timer(); });
    T10.setHandler([this] { T10Timer(); });
    connectCheckCommand(CpuUser1, &TForm1::CpuUser1Click);
    connectCheckCommand(Cpu31, &TForm1::Cpu31Click);
    connect(N38, &QAction::triggered, this, guarded([this] { N38Click(); }));
}

std::string TForm1::exchangePath() const {
    return toEngineText(Form2->Edit1->text());
}

void TForm1::CpuUser1Click() {
    Input->clear();
    T1.setEnabled(true);
    RE1->setLineColor(kTeal);
    SB1->setPanelText(2, QStringLiteral("Режим Cpu\\User"));
    RE1->appendLine(QStringLiteral("Сервис:   // Режим диалога Cpu\\User."));
    RE1->appendLine({});
    CpuUser1->setChecked(true);
    Cpu31->setChecked(false);
    T6.setEnabled(false);
}

void TForm1::Cpu31Click() {
    T1.setEnabled(false);
    RE1->setLineColor(kTeal);
    SB1->setPanelText(2, QStringLiteral("Режим Cpu\\Cpu"));
    RE1->appendLine(QStringLiteral("Сервис:   // Режим диалога Cpu\\Cpu."));
    CpuUser1->setChecked(false);
    Cpu31->setChecked(true);
    T6.setEnabled(true);
}

void TForm1::T6Timer() {
    LoadtxtCpuCpu.loadText(exchangePath());
    if (Form2->RB2->isChecked()) {
        T6.setInterval(Form2->SpinEdit1->number());
        Talk->setEnabled(false);
        // A turn of its own, whether or not the user could click "Сказать" now.
        SpeakClick();
    } else {
        Talk->setEnabled(true);
    }
}

void TForm1::N38Click() {
    Form2->SpinEdit1->setValue(1);
    T1.setEnabled(false);
    setEnabled(false);
    Form2->show();
    Form2->setEnabled(true);
}

} // namespace besedka
