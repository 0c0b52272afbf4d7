#include <gtest/gtest.h>

#include "assets/catalogue.h"
#include "config/ui_strings.h"

namespace burrowly {
namespace {

constexpr Language kLanguages[] = {Language::uk, Language::ru, Language::en, Language::pl};

std::size_t slot_number(Ui slot) { return static_cast<std::size_t>(slot); }

TEST(UiStrings, NamedSlotsSitAtTheirTableRows) {
  EXPECT_EQ(slot_number(Ui::species_cat), 12u);
  EXPECT_EQ(slot_number(Ui::user_profile), 30u);
  EXPECT_EQ(slot_number(Ui::every_hour), 72u);
  EXPECT_EQ(slot_number(Ui::meow), 85u);
  EXPECT_EQ(slot_number(Ui::water_check), 100u);
  EXPECT_EQ(slot_number(Ui::hook_finished), 115u);
  EXPECT_EQ(slot_number(Ui::no_camera_feed), 122u);
}

TEST(UiStrings, EveryLanguageFillsEverySlot) {
  for (Language lang : kLanguages) {
    const UiStrings& table = ui_strings(lang);
    for (std::size_t slot = 0; slot < kUiSlotCount; ++slot)
      EXPECT_FALSE(table[slot].empty()) << "language " << static_cast<int>(lang) << " slot " << slot;
  }
}

TEST(UiStrings, TextsAsWrittenWithTheirOwnPunctuationAndLetters) {
  // Polish uses the single ellipsis character, the others three full stops.
  EXPECT_EQ(ui_strings(Language::pl)[Ui::new_profile], "Nowy profil\u2026");
  EXPECT_EQ(ui_strings(Language::en)[Ui::new_profile], "+ New Profile...");
  EXPECT_EQ(ui_strings(Language::uk)[Ui::name_pet], "Назвати звірятко...");
  // Straight ASCII apostrophes.
  EXPECT_EQ(ui_strings(Language::uk)[Ui::species_hamster], "Хом'ячок");
  EXPECT_EQ(ui_strings(Language::en)[Ui::species_manul], "Pallas's Cat");
  EXPECT_EQ(ui_strings(Language::uk)[Ui::happy_friday], "п'ятниця! скоро вихідні");
  // Only the Ukrainian break line starts with a capital.
  EXPECT_EQ(ui_strings(Language::uk)[Ui::stretch_break], "Зробимо перерву, розімнемо лапки!");
  EXPECT_EQ(ui_strings(Language::ru)[Ui::stretch_break], "сделаем перерыв, разомнём лапки!");
  EXPECT_EQ(ui_strings(Language::ru)[Ui::species_hedgehog], "Ёжик");
  EXPECT_EQ(ui_strings(Language::pl)[Ui::species_turtle], "Żółw");
  EXPECT_EQ(ui_strings(Language::ru)[Ui::top_notch_island], "Выступ сверху (чёлка)");
  EXPECT_EQ(ui_strings(Language::uk)[Ui::term_failed], "код");
  EXPECT_EQ(ui_strings(Language::pl)[Ui::term_failed], "błąd");
  EXPECT_EQ(ui_strings(Language::ru)[Ui::hook_waiting], "Нужно твоё решение");
  EXPECT_EQ(ui_strings(Language::en)[Ui::ok_reaction], "all done!");
}

TEST(UiStrings, UntranslatedRemarksAreEnglishInEveryLanguage) {
  for (Ui slot : {Ui::my_spot, Ui::scoot_over, Ui::my_shift_now, Ui::where_did_you_go, Ui::running_the_show,
                  Ui::tip_tap, Ui::no_camera_feed})
    for (Language lang : kLanguages) EXPECT_EQ(ui_strings(lang)[slot], ui_strings(Language::en)[slot]);
  EXPECT_EQ(ui_strings(Language::ru)[Ui::where_did_you_go], "where'd you go?");
  EXPECT_EQ(ui_strings(Language::pl)[Ui::no_camera_feed], "no camera feed yet");
}

// The catalogue keeps its own copy of these names and labels; the two must agree.
TEST(UiStrings, AgreeWithTheCatalogueNamesAndLabels) {
  for (Language lang : kLanguages) {
    const UiStrings& table = ui_strings(lang);
    for (std::size_t i = 0; i < 18; ++i)
      EXPECT_EQ(table[slot_number(Ui::species_cat) + i], display_name(lang, species_list()[i])) << i;
    for (std::size_t i = 0; i < 4; ++i)
      EXPECT_EQ(table[slot_number(Ui::group_cats) + i], in(menu_groups()[i].label, lang)) << i;
    for (std::size_t i = 0; i < coats().size(); ++i)
      EXPECT_EQ(table[slot_number(Ui::coat_black) + i], in(coats()[i].label, lang)) << i;
    for (std::size_t i = 0; i < sizes().size(); ++i)
      EXPECT_EQ(table[slot_number(Ui::size_small) + i], in(sizes()[i].label, lang)) << i;
    for (std::size_t i = 0; i < outfits().size(); ++i)
      EXPECT_EQ(table[slot_number(Ui::outfit_seasonal) + i], in(outfits()[i].label, lang)) << i;
    EXPECT_EQ(table[Ui::size], in(size_menu_title(), lang));
    EXPECT_EQ(table[Ui::cat_coat], in(coat_menu_title(), lang));
    EXPECT_EQ(table[Ui::hat_accessory], in(outfit_menu_title(), lang));
  }
}

}  // namespace
}  // namespace burrowly
