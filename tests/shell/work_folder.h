// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/temp_folder.h"

namespace besedka::test {

// A fresh working folder, as the program finds its files in it: a small knowledge base in Base\,
// six short sounds in Sound\ and the About window's picture in Images\.
class WorkFolder : public TempFolder {
public:
    WorkFolder();
};

} // namespace besedka::test
