// SPDX-License-Identifier: GPL-3.0-or-later
// The choosers with their real dialogs: each test answers the open dialog as a person would.
#include "platform/qt/choosers.h"
#include "platform/qt/look.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace besedka {

// Defined beside the appearance tests.
void PrintTo(const FontSpec& font, std::ostream* out);

namespace test {
namespace {

using namespace Qt::Literals::StringLiterals;

const QColor kKept(18, 52, 86);
const QColor kChosen(200, 30, 60);
const QColor kOther(0, 150, 0);

// The shown dialog of the kind, null when none is open.
template <typename Dialog> Dialog* openDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<Dialog*>(widget);
        if (dialog != nullptr && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Once the chooser's modal dialog of the kind runs, `answer` acts on it.
template <typename Dialog> void whenOpen(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
        Dialog* dialog = openDialog<Dialog>();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no " << Dialog::staticMetaObject.className() << " is open";
            return;
        }
        answer(*dialog);
    });
}

// Presses the dialog's button as a person would: only a shown button can be pressed. A dialog
// without it is closed anyway, so that the chooser comes back and the test goes on.
void press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    QPushButton* button = box != nullptr ? box->button(which) : nullptr;
    if (button == nullptr || !button->isVisible()) {
        ADD_FAILURE() << "the dialog shows no button " << which;
        dialog.done(QDialog::Rejected);
        return;
    }
    button->click();
}

// Presses the button after the events already posted, as the dialog's own corrections are.
void pressLater(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    QTimer::singleShot(0, &dialog, [&dialog, which] { press(dialog, which); });
}

// What the colour dialog showed when it opened, and the window it was opened over.
struct ColorOpening {
    QColor color;
    QWidget* parent = nullptr;
};

// Once the colour dialog is open, notes what it shows, picks the colour and presses the button.
void answerColorDialog(ColorOpening& opening, const QColor& picked,
                       QDialogButtonBox::StandardButton button) {
    whenOpen<QColorDialog>([&opening, picked, button](QColorDialog& dialog) {
        opening = {dialog.currentColor(), dialog.parentWidget()};
        dialog.setCurrentColor(picked);
        press(dialog, button);
    });
}

bool effectsShown(const QFontDialog& dialog) {
    const auto effects = dialog.findChildren<QCheckBox*>();
    return !effects.isEmpty() &&
           std::all_of(effects.begin(), effects.end(), [](auto* box) { return box->isVisible(); });
}

// A font of the given installed family in the given style.
QFont fontOf(const QString& family, int size, const FontSpec& style) {
    QFont font(family);
    font.setPointSize(size);
    applyStyle(font, style);
    return font;
}

} // namespace

TEST(ColorChooserTest, OpensOnTheKeptColourAndKeepsOnlyAConfirmedChoice) {
    QWidget window;
    ColorChooser chooser(kKept);
    ColorOpening opening;

    answerColorDialog(opening, kChosen, QDialogButtonBox::Ok);
    EXPECT_TRUE(chooser.execute(&window));
    EXPECT_EQ(opening.color, kKept);
    EXPECT_EQ(opening.parent, &window);
    EXPECT_EQ(chooser.color(), kChosen);

    answerColorDialog(opening, kOther, QDialogButtonBox::Cancel);
    EXPECT_FALSE(chooser.execute(&window));
    EXPECT_EQ(opening.color, kChosen);
    EXPECT_EQ(chooser.color(), kChosen);
    EXPECT_EQ(openDialog<QColorDialog>(), nullptr);
}

TEST(FontChooserTest, OpensOnTheKeptFontAndKeepsOnlyAConfirmedChoiceWithItsEffects) {
    QWidget window;
    const FontSpec kept{u"Liberation Serif"_s, 12, true, false, true, false};
    FontChooser chooser(kept);
    const FontSpec chosen{u"Liberation Sans"_s, 14, false, true, false, true};
    std::optional<QFont> shown;
    QWidget* parent = nullptr;
    bool effectsOffered = false;

    whenOpen<QFontDialog>([&](QFontDialog& dialog) {
        shown = dialog.currentFont();
        parent = dialog.parentWidget();
        effectsOffered = effectsShown(dialog);
        dialog.setCurrentFont(fontOf(chosen.name, chosen.pointSize, chosen));
        pressLater(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(chooser.execute(&window));
    ASSERT_TRUE(shown);
    EXPECT_EQ(fontSpecOf(*shown), kept);
    EXPECT_EQ(parent, &window);
    EXPECT_TRUE(effectsOffered);
    EXPECT_EQ(chooser.font(), chosen);

    whenOpen<QFontDialog>([&](QFontDialog& dialog) {
        shown = dialog.currentFont();
        dialog.setCurrentFont(fontOf(kept.name, kept.pointSize, kept));
        pressLater(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(chooser.execute(&window));
    EXPECT_EQ(fontSpecOf(*shown), chosen);
    EXPECT_EQ(chooser.font(), chosen);
    EXPECT_EQ(openDialog<QFontDialog>(), nullptr);
}

// The line fonts: any size, no effects. Underline and strike-out cannot be ticked, and whatever
// the dialog holds of them the kept ones stay.
TEST(FontChooserTest, EffectsNotOfferedAreHiddenAndKeepTheirKeptValues) {
    const FontSpec kept{u"Liberation Serif"_s, 12, false, false, true, false};
    FontChooser chooser(kept, kLineFontChoice);
    const FontSpec picked{u"Liberation Sans"_s, 20, true, false, false, true};
    bool effectsOffered = true;

    whenOpen<QFontDialog>([&](QFontDialog& dialog) {
        effectsOffered = effectsShown(dialog);
        dialog.setCurrentFont(fontOf(picked.name, picked.pointSize, picked));
        pressLater(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(chooser.execute(nullptr));
    EXPECT_FALSE(effectsOffered);
    EXPECT_EQ(chooser.font(), (FontSpec{picked.name, 20, true, false, true, false}));
}

// The input line's font: 8 points only. A size picked outside springs back in the dialog, and
// one confirmed before it could spring back is kept within the offered sizes.
TEST(FontChooserTest, ASizeNotOfferedSpringsBackAndIsNeverKept) {
    const FontSpec kept{u"Liberation Sans"_s, 8};
    FontChooser chooser(kept, kInputFontChoice);
    int shownSize = 0;

    for (const int picked : {14, 6}) {
        whenOpen<QFontDialog>([&shownSize, picked](QFontDialog& dialog) {
            dialog.setCurrentFont(fontOf(u"Liberation Serif"_s, picked, {}));
            QTimer::singleShot(0, &dialog, [&shownSize, &dialog] {
                shownSize = dialog.currentFont().pointSize();
                press(dialog, QDialogButtonBox::Ok);
            });
        });
        EXPECT_TRUE(chooser.execute(nullptr));
        EXPECT_EQ(shownSize, 8) << picked;
        EXPECT_EQ(chooser.font(), (FontSpec{u"Liberation Serif"_s, 8})) << picked;
    }

    whenOpen<QFontDialog>([](QFontDialog& dialog) {
        dialog.setCurrentFont(fontOf(u"Liberation Sans"_s, 20, {}));
        press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(chooser.execute(nullptr));
    EXPECT_EQ(chooser.font(), kept);
}

} // namespace test
} // namespace besedka
