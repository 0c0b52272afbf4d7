#include "cli/signal_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace burrowly {
namespace {

TEST(SignalCodec, SayFromTheCommandLineIsTheExactLine) {
  std::string line = encode_signal(SayMsg{"hi", std::nullopt});
  EXPECT_EQ(line, R"({"cmd":"say","text":"hi","duration":null})");
  EXPECT_EQ(line.size(), 41u);
}

TEST(SignalCodec, DurationIsTheShortestFloatText) {
  EXPECT_TRUE(encode_signal(SayMsg{"x", 6.0f}).ends_with(R"("duration":6.0})"));
  EXPECT_TRUE(encode_signal(SayMsg{"x", 0.1f}).ends_with(R"("duration":0.1})"));
  EXPECT_TRUE(encode_signal(SayMsg{"x", -2.5f}).ends_with(R"("duration":-2.5})"));
  // Plain decimals, never an exponent.
  EXPECT_TRUE(encode_signal(SayMsg{"x", 100000.0f}).ends_with(R"("duration":100000.0})"));
  EXPECT_TRUE(encode_signal(SayMsg{"x", 0.0001f}).ends_with(R"("duration":0.0001})"));
  EXPECT_EQ(encode_signal(SayMsg{"x", 1e20f}).find_first_of("eE", 20), std::string::npos);
  EXPECT_TRUE(encode_signal(SayMsg{"x", std::numeric_limits<float>::infinity()}).ends_with(R"("duration":null})"));
  EXPECT_TRUE(encode_signal(SayMsg{"x", std::nanf("")}).ends_with(R"("duration":null})"));
  // Whatever the text, it reads back as the same float.
  for (float d : {0.1f, 4.2f, 6.0f, 1e20f, 1.17549435e-38f, std::numeric_limits<float>::max(),
                  std::numeric_limits<float>::denorm_min(), -std::numeric_limits<float>::max()}) {
    auto back = decode_signal(encode_signal(SayMsg{"x", d}));
    ASSERT_TRUE(back) << d;
    EXPECT_EQ(std::get<SayMsg>(*back).duration, d);
  }
}

TEST(SignalCodec, OtherVariantsHaveTheirWrittenForms) {
  EXPECT_EQ(encode_signal(OkMsg{""}), R"({"cmd":"ok","text":""})");
  EXPECT_EQ(encode_signal(FailMsg{"make: failed 2"}), R"({"cmd":"fail","text":"make: failed 2"})");
  EXPECT_EQ(encode_signal(ProfileMsg{"ann-lee"}), R"({"cmd":"profile","slug":"ann-lee"})");
}

TEST(SignalCodec, AwkwardTextsSurviveTheRoundTrip) {
  const std::string text = "say \"hi\" C:\\path\nline two \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD1\x96\xD1\x82 \x01\t";
  for (SignalMsg m : {SignalMsg{SayMsg{text, std::nullopt}}, SignalMsg{OkMsg{text}}, SignalMsg{FailMsg{text}},
                      SignalMsg{ProfileMsg{text}}}) {
    std::string line = encode_signal(m);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.find('\x01'), std::string::npos);
    EXPECT_NE(line.find("\xD0\x9F"), std::string::npos) << "Cyrillic is written as UTF-8";
    EXPECT_EQ(decode_signal(line), m);
  }
}

TEST(SignalCodec, InvalidUtf8IsReplacedWhenEncoding) {
  std::string line = encode_signal(OkMsg{"a\xFF" "b"});
  EXPECT_EQ(decode_signal(line), SignalMsg{OkMsg{"a\xEF\xBF\xBD" "b"}});
}

SignalMsg say(std::string text, std::optional<float> duration = std::nullopt) {
  return SayMsg{std::move(text), duration};
}

TEST(SignalCodec, DecodesMembersInAnyOrderWithDefaults) {
  EXPECT_EQ(decode_signal(R"({"text":"yay","cmd":"ok"})"), SignalMsg{OkMsg{"yay"}});
  EXPECT_EQ(decode_signal(R"({"cmd":"ok"})"), SignalMsg{OkMsg{""}});
  EXPECT_EQ(decode_signal(R"({"cmd":"fail"})"), SignalMsg{FailMsg{""}});
  EXPECT_EQ(decode_signal(R"(  {"cmd":"say","text":"a"}  )"), say("a"));
  EXPECT_EQ(decode_signal(R"({"cmd":"say","text":"a","duration":null})"), say("a"));
  EXPECT_EQ(decode_signal(R"({"cmd":"say","text":"a","duration":6})"), say("a", 6.0f));
  EXPECT_EQ(decode_signal(R"({"cmd":"say","text":"a","mood":[1,{"x":2}],"slug":7})"),
            say("a"));
  EXPECT_EQ(decode_signal(R"({"cmd":"profile","slug":"ann"})"), SignalMsg{ProfileMsg{"ann"}});
}

TEST(SignalCodec, RejectsLinesThatAreNotExactlyOneValidMessage) {
  for (const char* line : {
           R"({"cmd":"say"})",                                  // say needs a text
           R"({"cmd":"profile"})",                              // profile needs a slug
           R"({"cmd":"dance","text":"a"})",                     // unknown tag
           R"({"cmd":"OK","text":"a"})",                        // tags are case-sensitive
           R"({"text":"a"})",                                   // no tag
           R"({"cmd":1})",                                      // tag not a string
           R"({"cmd":"say","text":"a","text":"b"})",            // duplicate key
           R"({"cmd":"ok","cmd":"ok"})",                        // duplicate tag
           R"({"cmd":"ok","text":5})",                          // text not a string
           R"({"cmd":"say","text":"a","duration":"6"})",        // duration not a number
           R"({"cmd":"ok"} x)",                                 // trailing garbage
           R"({"cmd":"ok"}{"cmd":"ok"})",                       // two objects
           R"(["cmd","ok"])", "42", "", "{", R"({"cmd":"ok",})",
           R"({"cmd":"say","text":"a","duration":1e400})",      // out of any range
       }) {
    EXPECT_FALSE(decode_signal(line)) << line;
  }
}

TEST(SignalCodec, HostileInputIsRefusedWithoutHarm) {
  EXPECT_FALSE(decode_signal(std::string(200000, '[') + std::string(200000, ']')));
  std::string deep_member = R"({"cmd":"ok","x":)" + std::string(5000, '[') + std::string(5000, ']') + "}";
  EXPECT_FALSE(decode_signal(deep_member));
  // Brackets inside strings are text, not nesting.
  std::string brackets(1000, '[');
  EXPECT_EQ(decode_signal(encode_signal(OkMsg{brackets})), SignalMsg{OkMsg{brackets}});
  auto huge = decode_signal(R"({"cmd":"say","text":"a","duration":1e39})");
  ASSERT_TRUE(huge);
  EXPECT_TRUE(std::isinf(*std::get<SayMsg>(*huge).duration));
  EXPECT_FALSE(decode_signal("{\"cmd\":\"ok\",\"text\":\"a\x01\"}")) << "raw control characters are not JSON";
}

}  // namespace
}  // namespace burrowly
