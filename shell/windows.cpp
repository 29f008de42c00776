#include "shell/windows.h"

namespace besedka {

Windows::Windows(RandomSource& random)
    : form1_(std::make_unique<TForm1>(random)), form2_(std::make_unique<TForm2>(*form1_)),
      form3_(std::make_unique<TForm3>(*form1_)), form4_(std::make_unique<TForm4>(*form1_)) {
    form1_->Form2 = form2_.get();
    form1_->Form3 = form3_.get();
    form1_->Form4 = form4_.get();
}

void Windows::showMainWindow() {
    form1_->centreOnDesktop();
    form1_->show();
}

} // namespace besedka
