#pragma once

#include "input_aids/tform4.h"
#include "modes/tform2.h"
#include "platform/core/random_source.h"
#include "shell/tform1.h"
#include "shell/tform3.h"

#include <memory>

namespace besedka {

// The program's windows in the order of start-up: the main window first (a sound that cannot be
// opened throws FileError from here), then the others, hidden.
class Windows {
public:
    explicit Windows(RandomSource& random);

    TForm1& form1() { return *form1_; }
    TForm2& form2() { return *form2_; }
    TForm3& form3() { return *form3_; }
    TForm4& form4() { return *form4_; }

    // Centred on the desktop, as the program shows it.
    void showMainWindow();

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
};

} // namespace besedka
