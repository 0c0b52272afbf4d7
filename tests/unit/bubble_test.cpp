#include "render/bubble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace burrowly {
namespace {

const Font& ui_font() {
  static Font font = embedded_ui_font();
  return font;
}

BubblePlacement area(std::int32_t w = 800, std::int32_t h = 300, float anchor = 200, bool above = true) {
  return {w, h, anchor, above, std::nullopt};
}

TEST(Bubble, EmbeddedFontAlwaysLoads) {
  EXPECT_GT(ui_font().text_width("hello", 12), 10);
  EXPECT_GT(ui_font_from(std::string("not a font")).text_width("hello", 12), 10) << "unparsable bytes fall back";
}

TEST(Bubble, GeometryAtScaleOneAndTwo) {
  BubbleRequest req{"hi there", SpeechStyle::normal, 1};
  BubbleLayout one = layout_bubble(ui_font(), req, area(), 400, 30, 1);
  EXPECT_EQ(one.font_size, 12);
  EXPECT_EQ(one.height, 26);
  EXPECT_FLOAT_EQ(one.width, std::round(std::max(one.text_width + 22, 48.0f)));
  EXPECT_FLOAT_EQ(one.x0, std::round(400 - one.width / 2));
  EXPECT_FLOAT_EQ(one.y0, 200 - 30 - 10 - 26 - 6);
  ASSERT_EQ(one.lines.size(), 1u);
  EXPECT_EQ(one.lines[0].text, "hi there");
  EXPECT_FLOAT_EQ(one.lines[0].baseline, std::round(one.y0 + 7 + 0.86f * 12));
  EXPECT_FLOAT_EQ(one.lines[0].x, std::round(one.x0 + (one.width - one.text_width) / 2));
  for (float v : {one.x0, one.y0, one.width, one.lines[0].x, one.lines[0].baseline})
    EXPECT_EQ(v, std::floor(v)) << "on whole pixels";

  BubbleLayout two = layout_bubble(ui_font(), req, area(), 400, 30, 2);
  EXPECT_EQ(two.font_size, 24);
  EXPECT_EQ(two.height, 24 + 28);
  EXPECT_FLOAT_EQ(two.y0, 200 - 30 - 20 - 52 - 12);

  BubbleLayout tiny = layout_bubble(ui_font(), {"!", SpeechStyle::normal, 1}, area(), 400, 30, 1);
  EXPECT_EQ(tiny.width, 48) << "minimum width";
  std::string long_text(200, 'w');
  const float wrapped = layout_bubble(ui_font(), {long_text, SpeechStyle::normal, 1}, area(), 400, 30, 1).width;
  EXPECT_LE(wrapped, 300) << "maximum width";
  EXPECT_GT(wrapped, 300 - 11);

  BubbleLayout below = layout_bubble(ui_font(), req, area(800, 300, 20, false), 400, 30, 1);
  EXPECT_FLOAT_EQ(below.y0, 20 + 4 + 6) << "the tail tip 4 px under the feet, whatever the seated height";
  BubbleLayout high = layout_bubble(ui_font(), req, area(800, 300, 10, true), 400, 30, 1);
  EXPECT_FLOAT_EQ(high.y0, 4) << "kept inside the top";
}

TEST(Bubble, TailPointsAboveTheDrawnFigureWhenItIsTallerThanItsSeat) {
  BubbleRequest req{"hi there", SpeechStyle::normal, 1};
  BubblePlacement tall = area();
  tall.figure_top = 200 - 57;  // a tall bird whose head rises far above its seated height
  BubbleLayout b = layout_bubble(ui_font(), req, tall, 400, 30, 1);
  EXPECT_FLOAT_EQ(b.y0 + b.height + 6, 200 - 57 - 4) << "the tail tip 4 px above the head";
  BubblePlacement short_figure = area();
  short_figure.figure_top = 200 - 20;
  EXPECT_FLOAT_EQ(layout_bubble(ui_font(), req, short_figure, 400, 30, 1).y0, 200 - 30 - 10 - 26 - 6)
      << "a figure below its seated height keeps the usual place";
  BubblePlacement low_area = area(800, 60, 55, false);
  EXPECT_FLOAT_EQ(layout_bubble(ui_font(), req, low_area, 400, 30, 1).y0, 60 - 26 - 4) << "kept inside the bottom";
}

TEST(Bubble, LongTextWrapsAtWordsOntoThreeLinesThenEndsWithAnEllipsis) {
  const std::string sentence = "the quick brown fox jumps over the lazy dog while the build keeps running";
  BubbleLayout two = layout_bubble(ui_font(), {sentence, SpeechStyle::normal, 1}, area(), 400, 30, 1);
  ASSERT_EQ(two.lines.size(), 2u);
  EXPECT_EQ(two.lines[0].text + " " + two.lines[1].text, sentence) << "broken at a space, nothing lost";
  EXPECT_FLOAT_EQ(two.height, 12 + 15 + 14) << "one line step taller";
  EXPECT_LE(two.width, 300);

  std::string many;
  for (int i = 0; i < 40; ++i) many += "word" + std::to_string(i) + " ";
  BubbleLayout cut = layout_bubble(ui_font(), {many, SpeechStyle::normal, 1}, area(), 400, 30, 1);
  ASSERT_EQ(cut.lines.size(), 3u);
  EXPECT_EQ(cut.lines[0].text.rfind("word0 word1 ", 0), 0u);
  EXPECT_EQ(cut.lines[2].text.substr(cut.lines[2].text.size() - 3), "\xE2\x80\xA6");
  for (const BubbleLine& line : cut.lines) EXPECT_LE(line.width, 300 - 22);

  BubbleLayout word = layout_bubble(ui_font(), {std::string(120, 'w'), SpeechStyle::normal, 1}, area(), 400, 30, 1);
  EXPECT_EQ(word.lines.size(), 3u) << "a word wider than a line is broken between characters";
  for (const BubbleLine& line : word.lines) EXPECT_LE(line.width, 300 - 22);
}

// Every painted pixel lies in the body (with its border and shadow) or the tail.
void expect_nothing_outside(const Pixmap& p, const BubbleLayout& b, float u) {
  std::size_t outside = 0;
  for (std::uint32_t y = 0; y < p.height(); ++y)
    for (std::uint32_t x = 0; x < p.width(); ++x) {
      if (p.data()[(std::size_t(y) * p.width() + x) * 4 + 3] == 0) continue;
      const bool body = x + 2 * u >= b.x0 && x <= b.x0 + b.width + 2 * u && y + 2 * u >= b.y0 &&
                        y <= b.y0 + b.height + 3 * u;
      const bool tail = std::fabs(float(x) + 0.5f - b.tail_x) <= 7 * u && y >= b.y0 + b.height &&
                        y <= b.y0 + b.height + 8 * u;
      outside += !body && !tail;
    }
  EXPECT_EQ(outside, 0u);
}

TEST(Bubble, NoTextIsDrawnOutsideTheBubble) {
  std::string wide;  // about 600 px of words at 12 px
  while (ui_font().text_width(wide, 12) < 600) wide += "wallpaper ";
  for (float u : {1.0f, 2.0f})
    for (const std::string& text : {wide, wide + wide + wide, std::string(200, 'm')}) {
      Pixmap p = *Pixmap::create(std::uint32_t(800 * u), std::uint32_t(300 * u));
      BubblePlacement where = area(std::int32_t(800 * u), std::int32_t(300 * u), 250 * u);
      BubbleRequest req{text, SpeechStyle::normal, 1};
      draw_bubble(p, ui_font(), req, where, 400 * u, 30 * u, u);
      expect_nothing_outside(p, layout_bubble(ui_font(), req, where, 400 * u, 30 * u, u), u);
    }
}

TEST(Bubble, PetNearTheEdgeKeepsBubbleAndTailInside) {
  BubbleRequest req{"hello", SpeechStyle::normal, 1};
  BubbleLayout left = layout_bubble(ui_font(), req, area(), 5, 30, 1);
  EXPECT_FLOAT_EQ(left.x0, 8);
  EXPECT_FLOAT_EQ(left.tail_x, 8 + 12);
  BubbleLayout right = layout_bubble(ui_font(), req, area(), 799, 30, 1);
  EXPECT_FLOAT_EQ(right.x0, 800 - right.width - 8);
  EXPECT_FLOAT_EQ(right.tail_x, right.x0 + right.width - 12);
  BubbleLayout narrow = layout_bubble(ui_font(), req, area(60, 300), 30, 30, 2);
  EXPECT_FLOAT_EQ(narrow.x0, 16) << "left margin when the area is too narrow";
}

double alpha_sum(const Pixmap& p) {
  double s = 0;
  for (std::size_t i = 3; i < p.byte_size(); i += 4) s += p.data()[i];
  return s;
}

TEST(Bubble, EmptyOrFadedOutDrawsNothing) {
  Pixmap p = *Pixmap::create(400, 200);
  draw_bubble(p, ui_font(), {"", SpeechStyle::normal, 1}, area(400, 200, 150), 200, 30, 1);
  draw_bubble(p, ui_font(), {"hi", SpeechStyle::normal, 0.02f}, area(400, 200, 150), 200, 30, 1);
  draw_bubble(p, ui_font(), {"hi", SpeechStyle::normal, NAN}, area(400, 200, 150), 200, 30, 1);
  EXPECT_EQ(alpha_sum(p), 0);
}

TEST(Bubble, BodyColoursAndHalfAlpha) {
  EXPECT_EQ(faded(255, 255, 255, 245, 0.5f), pack_rgba(255, 255, 255, 122));
  EXPECT_EQ(faded(1, 2, 3, 255, 2.0f), pack_rgba(1, 2, 3, 255));
  for (SpeechStyle style : {SpeechStyle::normal, SpeechStyle::alert}) {
    Pixmap full = *Pixmap::create(400, 200), half = *Pixmap::create(400, 200);
    BubbleRequest req{"hi", style, 1};
    BubbleLayout b = layout_bubble(ui_font(), req, area(400, 200, 150), 200, 30, 1);
    draw_bubble(full, ui_font(), req, area(400, 200, 150), 200, 30, 1);
    req.alpha = 0.5f;
    draw_bubble(half, ui_font(), req, area(400, 200, 150), 200, 30, 1);
    // Inside the body, left of the text: the fill over its shadow.
    int x = int(b.x0 + 4), y = int(b.y0 + b.height / 2);
    const std::uint8_t* px = full.data() + (y * 400 + x) * 4;
    int expected = style == SpeechStyle::normal ? 245 : 244;
    EXPECT_NEAR(px[3], expected + 30 * (255 - expected) / 255.0, 1.5);
    // Half faded, the bubble fades as one piece: its shadow does not show through.
    const std::uint8_t* hp = half.data() + (y * 400 + x) * 4;
    EXPECT_NEAR(hp[3], px[3] / 2.0, 1.5);
    // The tail tip just below the body is painted; the body does not reach there.
    const std::uint8_t* tail = full.data() + (int(b.y0 + b.height + 3) * 400 + int(b.tail_x)) * 4;
    EXPECT_GT(tail[3], 100);
  }
}

TEST(Bubble, WalkingAFractionOfAPixelRedrawsTheSamePixelsAndFadesInSteps) {
  BubbleRequest req{"Time for a stretch?", SpeechStyle::normal, 1};
  auto draw = [&](float pet_x, float alpha) {
    Pixmap p = *Pixmap::create(400, 200);
    req.alpha = alpha;
    draw_bubble(p, ui_font(), req, area(400, 200, 150), pet_x, 30, 1);
    return p;
  };
  auto same = [](const Pixmap& a, const Pixmap& b) { return std::equal(a.data(), a.data() + a.byte_size(), b.data()); };
  EXPECT_TRUE(same(draw(200.1f, 1), draw(200.3f, 1)));
  EXPECT_FALSE(same(draw(200.1f, 1), draw(203.1f, 1)));
  int steps = 0;
  Pixmap last = draw(200, 0.03f);
  for (int i = 4; i <= 100; ++i) {
    Pixmap next = draw(200, i / 100.0f);
    steps += !same(last, next);
    last = std::move(next);
  }
  EXPECT_GE(steps, 4) << "a fade in shows";
  EXPECT_LE(steps, 10) << "in a few visible steps";
}

}  // namespace
}  // namespace burrowly
