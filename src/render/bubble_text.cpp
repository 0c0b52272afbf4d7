#include "render/bubble_text.h"

#include <cstdint>

namespace burrowly {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // …

// The byte length of the UTF-8 character starting at s[i] (1 for a stray byte).
std::size_t char_length(std::string_view s, std::size_t i) {
  std::size_t n = 1;
  while (i + n < s.size() && (std::uint8_t(s[i + n]) & 0xC0) == 0x80) ++n;
  return n;
}

// Drops the last UTF-8 character.
void pop_char(std::string& s) {
  while (!s.empty() && (std::uint8_t(s.back()) & 0xC0) == 0x80) s.pop_back();
  if (!s.empty()) s.pop_back();
}

class LineBreaker {
 public:
  LineBreaker(const Font& font, float size, float max_width) : font_(font), size_(size), max_(max_width) {}

  void add_word(std::string_view word) {
    if (!line_.empty() && fits(line_ + " " + std::string(word))) {
      line_ += " ";
      line_ += word;
      return;
    }
    if (!line_.empty()) finish_line();
    for (std::size_t i = 0; i < word.size();) {
      const std::size_t n = char_length(word, i);
      std::string longer = line_ + std::string(word.substr(i, n));
      if (!line_.empty() && !fits(longer)) {
        finish_line();
        continue;
      }
      line_ = std::move(longer);
      i += n;
    }
  }

  std::vector<std::string> lines(std::size_t max_lines) {
    if (!line_.empty()) finish_line();
    if (lines_.size() <= max_lines) return std::move(lines_);
    lines_.resize(max_lines);
    std::string& last = lines_.back();
    while (!last.empty() && (last.back() == ' ' || !fits(last + std::string(kEllipsis)))) pop_char(last);
    last += kEllipsis;
    return std::move(lines_);
  }

 private:
  bool fits(const std::string& text) const { return font_.text_width(text, size_) <= max_; }
  void finish_line() { lines_.push_back(std::move(line_)), line_.clear(); }

  const Font& font_;
  float size_, max_;
  std::string line_;
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> wrap_bubble_text(const Font& font, std::string_view utf8, float size, float max_width,
                                          std::size_t max_lines) {
  LineBreaker breaker(font, size, max_width);
  std::size_t start = 0;
  while (start <= utf8.size()) {
    std::size_t end = utf8.find(' ', start);
    if (end == std::string_view::npos) end = utf8.size();
    if (end > start) breaker.add_word(utf8.substr(start, end - start));
    start = end + 1;
  }
  return breaker.lines(max_lines);
}

}  // namespace burrowly
