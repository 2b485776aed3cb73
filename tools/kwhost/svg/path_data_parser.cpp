#include "tools/kwhost/svg/path_data_parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tools/kwhost/svg/anchor_corner.h"

namespace svg {
namespace {

constexpr char kNoMoveTo[] = "path data must begin with M or m";
constexpr char kCommandExpected[] = "a path command was expected";
constexpr char kNumberExpected[] = "a number was expected";
constexpr char kFlagExpected[] = "an arc flag (0 or 1) was expected";
constexpr char kNumberTooLarge[] = "the number is too large";

bool IsDigit(char c) {
  return static_cast<unsigned char>(c - '0') < 10;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr int kMaxMantissaDigits = 19;  // always fits 64 bits

// The tokens of path data: numbers, flags and the blanks and commas between them.
class Scanner {
 public:
  explicit Scanner(std::string_view text)
      : begin_(text.data()), at_(text.data()), end_(text.data() + text.size()) {}

  bool AtEnd() const { return at_ == end_; }
  char Peek() const { return *at_; }
  char Take() { return *at_++; }
  std::size_t Offset() const { return static_cast<std::size_t>(at_ - begin_); }

  void SkipBlanks() {
    while (at_ != end_ && IsBlank(*at_)) ++at_;
  }

  // Blanks with at most one comma among them; true when there was a comma.
  bool SkipSeparator() {
    SkipBlanks();
    if (at_ == end_ || *at_ != ',') return false;
    ++at_;
    SkipBlanks();
    return true;
  }

  bool AtNumber() const {
    if (at_ == end_) return false;
    const char c = *at_;
    return IsDigit(c) || c == '.' || c == '-' || c == '+';
  }

  // Reads sign? (digits ("." digits?)? | "." digits) (("e" | "E") sign? digits)?. On failure
  // the error is set and the position is where reading failed.
  bool Number(double& value) {
    const char* p = at_;
    bool negative = false;
    if (p != end_ && (*p == '+' || *p == '-')) negative = *p++ == '-';
    const char* unsigned_ = p;
    // The digits as mantissa x 10^scale; digits past what 64 bits hold only move the scale.
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0, scale = 0;
    bool anyDigit = false, exact = true;
    auto digit = [&](char c, bool fraction) {
      anyDigit = true;
      if (mantissa == 0 && c == '0') {
        if (fraction) --scale;
      } else if (mantissaDigits < kMaxMantissaDigits) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        ++mantissaDigits;
        if (fraction) --scale;
      } else {
        exact = false;
        if (!fraction) ++scale;
      }
    };
    while (p != end_ && IsDigit(*p)) digit(*p++, false);
    if (p != end_ && *p == '.') {
      ++p;
      while (p != end_ && IsDigit(*p)) digit(*p++, true);
    }
    if (!anyDigit) return Fail(p, kNumberExpected);
    int exponent = 0;
    if (p != end_ && (*p == 'e' || *p == 'E')) {
      const char* q = p + 1;
      bool negativeExponent = false;
      if (q != end_ && (*q == '+' || *q == '-')) negativeExponent = *q++ == '-';
      if (q == end_ || !IsDigit(*q)) return Fail(q, kNumberExpected);
      for (; q != end_ && IsDigit(*q); ++q) exponent = std::min(exponent * 10 + (*q - '0'), 99999);
      if (negativeExponent) exponent = -exponent;
      p = q;
    }
    at_ = p;
    const int power = scale + exponent;
    if (mantissa == 0) {
      value = negative ? -0.0 : 0.0;
    } else if (exact && mantissa <= kMaxExactMantissa && power >= -kMaxExactPower &&
               power <= kMaxExactPower) {
      // Both exact, so one rounding: the correctly rounded value, as the library gives.
      const double m = static_cast<double>(mantissa);
      value = power < 0 ? m / kExactPowersOfTen[-power] : m * kExactPowersOfTen[power];
      if (negative) value = -value;
    } else {
      const auto [end, error] = std::from_chars(unsigned_, p, value);
      if (error == std::errc::result_out_of_range) {
        if (mantissaDigits + power > 0) return Fail(unsigned_, kNumberTooLarge);
        value = 0;  // too small to tell from zero
      }
      if (negative) value = -value;
    }
    return true;
  }

  bool Flag(bool& value) {
    if (at_ == end_ || (*at_ != '0' && *at_ != '1')) return Fail(at_, kFlagExpected);
    value = *at_++ == '1';
    return true;
  }

  bool FailHere(const char* message) { return Fail(at_, message); }

  bool Fail(const char* where, const char* message) {
    at_ = where;
    error_ = message;
    return false;
  }

  PathDataError Error() const { return {Offset(), error_}; }

 private:
  const char* begin_;
  const char* at_;
  const char* end_;
  const char* error_ = kNumberExpected;
};

struct Vec {
  double x = 0, y = 0;
  bool operator==(const Vec&) const = default;
};

Vec Reflect(Vec handle, Vec about) {
  return {about.x + (about.x - handle.x), about.y + (about.y - handle.y)};
}

// Collects anchors, in page coordinates, from pieces given in user units. Keeps the current
// point and subpath start in user units, where SVG's rules about them are stated.
class OutlineBuilder {
 public:
  explicit OutlineBuilder(const Geom::Affine& m) : m_(m) {}

  Vec Current() const { return current_; }

  void MoveTo(Vec p) {
    Flush(false);
    start_ = current_ = p;
    const Point q = Map(p);
    anchors_.push_back({q, q, q, true});
  }

  void LineTo(Vec p) {
    BeginIfClosed();
    const Point q = Map(p);
    anchors_.push_back({q, q, q, true});
    current_ = p;
  }

  void CubicTo(Vec c1, Vec c2, Vec p) {
    BeginIfClosed();
    const Point q = Map(p);
    anchors_.back().out = Map(c1);
    anchors_.push_back({q, Map(c2), q, true});
    current_ = p;
  }

  // A closing segment that ends where it starts adds nothing: the last anchor is the first.
  void Close() {
    if (anchors_.empty()) return;
    if (anchors_.size() > 1 && current_ == start_) {
      anchors_.front().in = anchors_.back().in;
      anchors_.pop_back();
    }
    Flush(true);
    current_ = start_;
  }

  std::vector<Subpath> Finish() {
    Flush(false);
    return std::move(subpaths_);
  }

 private:
  // Drawing on after a close starts a new subpath where the closed one started.
  void BeginIfClosed() {
    if (anchors_.empty()) MoveTo(start_);
  }

  Point Map(Vec p) const {
    return {p.x * m_[0] + p.y * m_[2] + m_[4], p.x * m_[1] + p.y * m_[3] + m_[5]};
  }

  void Flush(bool closed) {
    // A subpath that only moves draws nothing (icons often end their data so: "... z m 0 0").
    if (anchors_.size() == 1 && !closed) anchors_.clear();
    if (anchors_.empty()) return;
    for (Anchor& anchor : anchors_) anchor.corner = IsCorner(anchor);
    // Copied at its exact size: a large drawing holds a million anchors.
    subpaths_.push_back(Subpath{std::vector<Anchor>(anchors_.begin(), anchors_.end()), closed});
    anchors_.clear();
  }

  Geom::Affine m_;
  std::vector<Anchor> anchors_;  // of the open subpath
  std::vector<Subpath> subpaths_;
  Vec current_, start_;
};

// An elliptical arc from the current point, as SVG's implementation notes define it: radii grown
// when too small to reach, pieces of at most a quarter turn.
void ArcTo(OutlineBuilder& out, double rx, double ry, double degrees, bool largeArc, bool sweep,
           Vec to) {
  const Vec from = out.Current();
  rx = std::abs(rx);
  ry = std::abs(ry);
  if (rx == 0 || ry == 0) {
    out.LineTo(to);
    return;
  }
  const double phi = std::fmod(degrees, 360) * std::numbers::pi / 180;
  const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
  const double hx = (from.x - to.x) / 2, hy = (from.y - to.y) / 2;
  const double x1 = cosPhi * hx + sinPhi * hy, y1 = -sinPhi * hx + cosPhi * hy;
  const double reach = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
  double factor = 0;  // radii grown just to reach put the centre halfway
  if (reach > 1) {
    rx *= std::sqrt(reach);
    ry *= std::sqrt(reach);
  } else {
    const double rx2 = rx * rx, ry2 = ry * ry;
    const double spare = rx2 * ry2 - rx2 * y1 * y1 - ry2 * x1 * x1;
    factor = std::sqrt(std::max(0.0, spare / (rx2 * y1 * y1 + ry2 * x1 * x1)));
    if (largeArc == sweep) factor = -factor;
  }
  const double cx1 = factor * rx * y1 / ry, cy1 = -factor * ry * x1 / rx;
  const double cx = cosPhi * cx1 - sinPhi * cy1 + (from.x + to.x) / 2;
  const double cy = sinPhi * cx1 + cosPhi * cy1 + (from.y + to.y) / 2;
  const double start = std::atan2((y1 - cy1) / ry, (x1 - cx1) / rx);
  double sweepAngle = std::atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx) - start;
  if (sweep && sweepAngle < 0) sweepAngle += 2 * std::numbers::pi;
  if (!sweep && sweepAngle > 0) sweepAngle -= 2 * std::numbers::pi;

  const int pieces = std::max(
      1, static_cast<int>(std::ceil(std::abs(sweepAngle) / (std::numbers::pi / 2) - 1e-9)));
  const double step = sweepAngle / pieces;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  auto at = [&](double a) {
    const double c = std::cos(a), s = std::sin(a);
    return Vec{cx + rx * cosPhi * c - ry * sinPhi * s, cy + rx * sinPhi * c + ry * cosPhi * s};
  };
  auto tangent = [&](double a) {
    const double c = std::cos(a), s = std::sin(a);
    return Vec{-rx * cosPhi * s - ry * sinPhi * c, -rx * sinPhi * s + ry * cosPhi * c};
  };
  Vec p0 = from;
  double a = start;
  for (int i = 0; i < pieces; ++i, a += step) {
    const double b = a + step;
    // The last piece ends exactly at the arc's end, so that it meets what follows.
    const Vec p3 = i + 1 == pieces ? to : at(b);
    const Vec d0 = tangent(a), d3 = tangent(b);
    out.CubicTo({p0.x + k * d0.x, p0.y + k * d0.y}, {p3.x - k * d3.x, p3.y - k * d3.y}, p3);
    p0 = p3;
  }
}

int ArgumentCount(char lowerCommand) {
  switch (lowerCommand) {
    case 'm':
    case 'l':
    case 't':
      return 2;
    case 'h':
    case 'v':
      return 1;
    case 'c':
      return 6;
    case 's':
    case 'q':
      return 4;
    case 'a':
      return 7;
    case 'z':
      return 0;
    default:
      return -1;
  }
}

char Lower(char c) {
  return static_cast<char>(c | 0x20);
}

// Reads and draws, command by command; stops at the first error.
class PathDataReader {
 public:
  PathDataReader(std::string_view data, const Geom::Affine& transform)
      : scanner_(data), out_(transform) {}

  PathOutline Read() {
    PathOutline result;
    if (!ReadCommands()) result.error = scanner_.Error();
    result.subpaths = out_.Finish();
    return result;
  }

 private:
  bool ReadCommands() {
    scanner_.SkipBlanks();
    if (scanner_.AtEnd()) return true;
    if (Lower(scanner_.Peek()) != 'm') return scanner_.FailHere(kNoMoveTo);
    while (true) {
      scanner_.SkipBlanks();
      if (scanner_.AtEnd()) return true;
      const char command = scanner_.Peek();
      const int count = ArgumentCount(Lower(command));
      if (count < 0) return scanner_.FailHere(kCommandExpected);
      scanner_.Take();
      if (count == 0) {
        Close();
        continue;
      }
      // The first group of arguments, then as many more as follow: repeats of the command (of
      // "L" or "l" after a move).
      scanner_.SkipBlanks();
      char current = command;
      while (true) {
        if (!ReadArguments(Lower(current), count)) return false;
        Draw(current);
        if (Lower(current) == 'm') current = current == 'M' ? 'L' : 'l';
        const bool comma = scanner_.SkipSeparator();
        if (!scanner_.AtNumber()) {
          if (comma) return scanner_.FailHere(kNumberExpected);
          break;
        }
      }
    }
  }

  bool ReadArguments(char lowerCommand, int count) {
    for (int i = 0; i < count; ++i) {
      if (i > 0) scanner_.SkipSeparator();
      if (lowerCommand == 'a' && (i == 3 || i == 4)) {
        bool flag = false;
        if (!scanner_.Flag(flag)) return false;
        args_[i] = flag ? 1 : 0;
      } else if (!scanner_.Number(args_[i])) {
        return false;
      }
    }
    return true;
  }

  Vec Point(int index, bool relative) const {
    const Vec base = relative ? out_.Current() : Vec{};
    return {base.x + args_[index], base.y + args_[index + 1]};
  }

  void Draw(char command) {
    const bool relative = command == Lower(command);
    const Vec current = out_.Current();
    switch (Lower(command)) {
      case 'm':
        out_.MoveTo(Point(0, relative));
        Straight();
        break;
      case 'l':
        out_.LineTo(Point(0, relative));
        Straight();
        break;
      case 'h':
        out_.LineTo({relative ? current.x + args_[0] : args_[0], current.y});
        Straight();
        break;
      case 'v':
        out_.LineTo({current.x, relative ? current.y + args_[0] : args_[0]});
        Straight();
        break;
      case 'c':
        Cubic(Point(0, relative), Point(2, relative), Point(4, relative));
        break;
      case 's':
        Cubic(cubicHandle_, Point(0, relative), Point(2, relative));
        break;
      case 'q':
        Quadratic(Point(0, relative), Point(2, relative));
        break;
      case 't':
        Quadratic(quadraticHandle_, Point(0, relative));
        break;
      case 'a': {
        const Vec to = Point(5, relative);
        // An arc to where it starts is no arc at all.
        if (to != current)
          ArcTo(out_, args_[0], args_[1], args_[2], args_[3] != 0, args_[4] != 0, to);
        Straight();
        break;
      }
    }
  }

  void Close() {
    out_.Close();
    Straight();
  }

  // After anything but a curve, a smooth curve's reflected handle is the current point.
  void Straight() { cubicHandle_ = quadraticHandle_ = out_.Current(); }

  void Cubic(Vec c1, Vec c2, Vec p) {
    out_.CubicTo(c1, c2, p);
    cubicHandle_ = Reflect(c2, p);
    quadraticHandle_ = p;
  }

  void Quadratic(Vec q, Vec p) {
    const Vec p0 = out_.Current();
    constexpr double kTwoThirds = 2.0 / 3.0;
    out_.CubicTo({p0.x + (q.x - p0.x) * kTwoThirds, p0.y + (q.y - p0.y) * kTwoThirds},
                 {p.x + (q.x - p.x) * kTwoThirds, p.y + (q.y - p.y) * kTwoThirds}, p);
    cubicHandle_ = p;
    quadraticHandle_ = Reflect(q, p);
  }

  Scanner scanner_;
  OutlineBuilder out_;
  double args_[7] = {};
  Vec cubicHandle_, quadraticHandle_;
};

}  // namespace

PathOutline ParsePathData(std::string_view data, const Geom::Affine& transform) {
  return PathDataReader(data, transform).Read();
}

}  // namespace svg
