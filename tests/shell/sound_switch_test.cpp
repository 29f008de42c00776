// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_test.h"

#include <array>

namespace besedka::test {
namespace {

class SoundSwitchTest : public WindowTest {
protected:
    std::array<SoundPlayer*, 6> players() {
        Sounds& sounds = window->sounds();
        return {&sounds.keyClickSound,      &sounds.phraseSound, &sounds.layoutConversionSound,
                &sounds.dialogueStartSound, &sounds.systemSound, &sounds.closingSound};
    }
    std::array<int, 6> requests() {
        std::array<int, 6> counts{};
        for (std::size_t i = 0; i < counts.size(); ++i)
            counts[i] = players()[i]->playRequests();
        return counts;
    }
    // Something that sounds each of the six players.
    void soundEveryPlayer() {
        say(u"привет"_s);
        type(u"ghbdtn"_s);
        controls().layoutButton->click();
        window->conversation().playDialogueStartAnimation();
        for (int tick = 0; tick < 10; ++tick)
            window->conversation().stepClosingAnimation();
    }
};

TEST_F(SoundSwitchTest, SwitchedOffNoPlayerSoundsAndOnAgainEachDoes) {
    openReady();
    EXPECT_TRUE(menu().sounds->isCheckable());
    EXPECT_TRUE(menu().sounds->isChecked());
    menu().sounds->trigger();
    EXPECT_FALSE(menu().sounds->isChecked());
    const std::array<int, 6> before = requests();
    soundEveryPlayer();
    EXPECT_EQ(requests(), before);
    for (SoundPlayer* player : players())
        EXPECT_TRUE(player->silenced());

    menu().sounds->trigger();
    EXPECT_TRUE(menu().sounds->isChecked());
    soundEveryPlayer();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_GT(requests()[i], before[i]) << "player " << i;
}

TEST_F(SoundSwitchTest, SoundsSwitchedOffStayOffAtTheNextStart) {
    open();
    menu().sounds->trigger();
    window.reset();
    openReady();
    EXPECT_FALSE(menu().sounds->isChecked());
    EXPECT_FALSE(menu().resetSettings->isChecked());
    soundEveryPlayer();
    EXPECT_EQ(requests(), (std::array<int, 6>{}));

    menu().sounds->trigger();
    window.reset();
    open();
    EXPECT_TRUE(menu().sounds->isChecked());
    EXPECT_FALSE(window->sounds().keyClickSound.silenced());
    EXPECT_TRUE(boxes.texts().isEmpty());
}

} // namespace
} // namespace besedka::test
