#include "tools/skingen/stroke_font.h"

#include <cctype>
#include <initializer_list>
#include <map>

namespace vx::skingen {
namespace {

using Stroke = std::vector<Vec2>;

// Letters drawn on a grid 6 units high; width is the rightmost unit used.
struct Glyph {
  float width;
  std::vector<Stroke> strokes;
};

const Stroke kRing = {{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}};

const std::map<char, Glyph>& Glyphs() {
  static const std::map<char, Glyph> glyphs = {
      {'A', {4, {{{0, 6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6}}, {{0, 3.5f}, {4, 3.5f}}}}},
      {'B',
       {4,
        {{{0, 3},
          {3, 3},
          {4, 2},
          {4, 1},
          {3, 0},
          {0, 0},
          {0, 6},
          {3, 6},
          {4, 5},
          {4, 4},
          {3, 3}}}}},
      {'C', {4, {{{4, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {4, 6}}}}},
      {'D', {4, {{{0, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {0, 6}, {0, 0}}}}},
      {'E', {4, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}}},
      {'F', {4, {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3, 3}}}}},
      {'G',
       {4, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 3}, {2, 3}}}}},
      {'H', {4, {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}}}},
      {'I', {0, {{{0, 0}, {0, 6}}}}},
      {'J', {4, {{{4, 0}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}}},
      {'K', {4, {{{0, 0}, {0, 6}}, {{4, 0}, {1, 3}, {4, 6}}, {{0, 3}, {1, 3}}}}},
      {'L', {4, {{{0, 0}, {0, 6}, {4, 6}}}}},
      {'M', {5, {{{0, 6}, {0, 0}, {2.5f, 3}, {5, 0}, {5, 6}}}}},
      {'N', {4, {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}}}},
      {'O', {4, {kRing}}},
      {'P', {4, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}}}},
      {'Q', {4, {kRing, {{2.5f, 4.5f}, {4, 6}}}}},
      {'R', {4, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}}},
      {'S',
       {4,
        {{{4, 1},
          {3, 0},
          {1, 0},
          {0, 1},
          {0, 2},
          {1, 3},
          {3, 3},
          {4, 4},
          {4, 5},
          {3, 6},
          {1, 6},
          {0, 5}}}}},
      {'T', {4, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}}},
      {'U', {4, {{{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}}}}},
      {'V', {4, {{{0, 0}, {2, 6}, {4, 0}}}}},
      {'W', {5, {{{0, 0}, {1.25f, 6}, {2.5f, 2}, {3.75f, 6}, {5, 0}}}}},
      {'X', {4, {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}}}},
      {'Y', {4, {{{0, 0}, {2, 3}, {4, 0}}, {{2, 3}, {2, 6}}}}},
      {'Z', {4, {{{0, 0}, {4, 0}, {0, 6}, {4, 6}}}}},
      {'0', {4, {kRing}}},
      {'1', {3, {{{0.5f, 1}, {2, 0}, {2, 6}}}}},
      {'2', {4, {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {0, 6}, {4, 6}}}}},
      {'3',
       {4, {{{0, 0}, {4, 0}, {2, 2.5f}, {3, 2.5f}, {4, 3.5f}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}}},
      {'4', {4, {{{3, 6}, {3, 0}, {0, 4}, {4, 4}}}}},
      {'5', {4, {{{4, 0}, {0, 0}, {0, 2.5f}, {3, 2.5f}, {4, 3.5f}, {4, 5}, {3, 6}, {0, 6}}}}},
      {'6',
       {4,
        {{{3, 0},
          {1, 0},
          {0, 1},
          {0, 5},
          {1, 6},
          {3, 6},
          {4, 5},
          {4, 3.5f},
          {3, 2.5f},
          {0, 2.5f}}}}},
      {'7', {4, {{{0, 0}, {4, 0}, {1.5f, 6}}}}},
      {'8',
       {4,
        {{{1, 3},
          {0, 2},
          {0, 1},
          {1, 0},
          {3, 0},
          {4, 1},
          {4, 2},
          {3, 3},
          {1, 3},
          {0, 4},
          {0, 5},
          {1, 6},
          {3, 6},
          {4, 5},
          {4, 4},
          {3, 3}}}}},
      {'9',
       {4,
        {{{4, 3.5f},
          {1, 3.5f},
          {0, 2.5f},
          {0, 1},
          {1, 0},
          {3, 0},
          {4, 1},
          {4, 5},
          {3, 6},
          {1, 6}}}}},
      {'-', {3, {{{0, 3}, {3, 3}}}}},
      {'+', {4, {{{0, 3}, {4, 3}}, {{2, 1}, {2, 5}}}}},
      {'.', {0, {{{0, 6}, {0, 6}}}}},
      {'/', {3, {{{0, 6}, {3, 0}}}}},
      {'%',
       {4,
        {{{0, 6}, {4, 0}},
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}},
         {{3, 5}, {4, 5}, {4, 6}, {3, 6}, {3, 5}}}}},
      {' ', {2, {}}},
  };
  return glyphs;
}

const Glyph* Find(char c) {
  const auto it = Glyphs().find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  return it == Glyphs().end() ? nullptr : &it->second;
}

}  // namespace

float TextWidth(std::string_view text, const TextStyle& style) {
  float units = 0;
  for (char c : text) {
    if (const Glyph* glyph = Find(c)) units += glyph->width + style.spacing;
  }
  return (units - style.spacing) * style.cap_height / 6;
}

Shape TextShape(std::string_view text, Vec2 origin, const TextStyle& style) {
  const float scale = style.cap_height / 6;
  std::vector<Segment> segments;
  float pen = 0;
  for (char c : text) {
    const Glyph* glyph = Find(c);
    if (glyph == nullptr) continue;
    for (const Stroke& stroke : glyph->strokes) {
      for (size_t i = 1; i < stroke.size(); ++i) {
        segments.push_back({origin + Vec2{pen + stroke[i - 1].x, stroke[i - 1].y} * scale,
                            origin + Vec2{pen + stroke[i].x, stroke[i].y} * scale});
      }
    }
    pen += glyph->width + style.spacing;
  }
  if (segments.empty())
    return {[](Vec2) { return 1e9f; }, {origin.x, origin.y, origin.x, origin.y}};
  return Strokes(std::move(segments), style.stroke);
}

}  // namespace vx::skingen
