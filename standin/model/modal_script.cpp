#include "standin/model/modal_script.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <stdexcept>

namespace standin {
namespace {

struct Token {
  enum class Kind { kWord, kNumber, kString, kComma, kColon, kEndOfRun, kEnd };
  Kind kind;
  std::string text;
  std::size_t position;
};

std::vector<Token> Tokenize(const std::string& text) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    const std::size_t start = i;
    if (c == '\n' || c == ';') {
      tokens.push_back({Token::Kind::kEndOfRun, std::string(1, c), start});
      ++i;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c == ',') {
      tokens.push_back({Token::Kind::kComma, ",", start});
      ++i;
    } else if (c == ':') {
      tokens.push_back({Token::Kind::kColon, ":", start});
      ++i;
    } else if (c == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string::npos) {
        throw std::invalid_argument("modal script: unterminated string at " +
                                    std::to_string(start));
      }
      tokens.push_back({Token::Kind::kString, text.substr(i + 1, close - i - 1), start});
      i = close + 1;
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.') {
      while (i < text.size() &&
             (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '-' ||
              text[i] == '+' || text[i] == '.' || text[i] == 'e' || text[i] == 'E')) {
        ++i;
      }
      tokens.push_back({Token::Kind::kNumber, text.substr(start, i - start), start});
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) ++i;
      tokens.push_back({Token::Kind::kWord, text.substr(start, i - start), start});
    } else {
      throw std::invalid_argument("modal script: unexpected '" + std::string(1, c) + "' at " +
                                  std::to_string(start));
    }
  }
  tokens.push_back({Token::Kind::kEnd, "", text.size()});
  return tokens;
}

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  std::vector<ModalScript> Runs() {
    std::vector<ModalScript> runs;
    while (Peek().kind != Token::Kind::kEnd) {
      if (Peek().kind == Token::Kind::kEndOfRun) {
        ++next_;
        continue;
      }
      runs.push_back(Run());
      if (Peek().kind != Token::Kind::kEnd) Expect(Token::Kind::kEndOfRun, "';' or a new line");
    }
    return runs;
  }

 private:
  ModalScript Run() {
    ModalScript run;
    if (Peek().kind == Token::Kind::kWord && Peek().text == "dialog") {
      ++next_;
      run.For(Expect(Token::Kind::kString, "a quoted dialog name").text);
      Expect(Token::Kind::kColon, "':'");
    }
    run.steps.push_back(Step());
    while (Peek().kind == Token::Kind::kComma) {
      ++next_;
      run.steps.push_back(Step());
    }
    return run;
  }

  ScriptStep Step() {
    const Token verb = Expect(Token::Kind::kWord, "press, pick or set");
    ScriptStep step;
    if (verb.text == "press") {
      Word("item");
      step.kind = ScriptStep::Kind::kPress;
      step.item = Integer();
    } else if (verb.text == "pick") {
      Word("entry");
      step.kind = ScriptStep::Kind::kPick;
      step.entry = Integer();
      Word("of");
      Word("item");
      step.item = Integer();
    } else if (verb.text == "set") {
      Word("item");
      step.item = Integer();
      Word("to");
      if (Peek().kind == Token::Kind::kString) {
        step.kind = ScriptStep::Kind::kSetText;
        step.text = Expect(Token::Kind::kString, "").text;
      } else {
        step.kind = ScriptStep::Kind::kSetValue;
        step.value = Number();
      }
    } else {
      Fail(verb, "press, pick or set");
    }
    return step;
  }

  const Token& Peek() const { return tokens_[next_]; }

  [[noreturn]] void Fail(const Token& token, const std::string& expected) const {
    throw std::invalid_argument("modal script: expected " + expected + " at " +
                                std::to_string(token.position) + ", found '" + token.text + "'");
  }

  Token Expect(Token::Kind kind, const std::string& expected) {
    if (Peek().kind != kind) Fail(Peek(), expected);
    return tokens_[next_++];
  }

  void Word(const char* word) {
    if (Peek().kind != Token::Kind::kWord || Peek().text != word) Fail(Peek(), word);
    ++next_;
  }

  int Integer() {
    const Token token = Expect(Token::Kind::kNumber, "a whole number");
    int value = 0;
    const char* end = token.text.data() + token.text.size();
    auto [ptr, ec] = std::from_chars(token.text.data(), end, value);
    if (ec != std::errc() || ptr != end) Fail(token, "a whole number");
    return value;
  }

  float Number() {
    const Token token = Expect(Token::Kind::kNumber, "a number");
    char* end = nullptr;
    const float value = std::strtof(token.text.c_str(), &end);
    if (end != token.text.c_str() + token.text.size()) Fail(token, "a number");
    return value;
  }

  std::vector<Token> tokens_;
  std::size_t next_ = 0;
};

}  // namespace

std::string ScriptStep::Describe() const {
  switch (kind) {
    case Kind::kPress:
      return "press item " + std::to_string(item);
    case Kind::kPick:
      return "pick entry " + std::to_string(entry) + " of item " + std::to_string(item);
    case Kind::kSetValue: {
      char buffer[64];
      auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
      return "set item " + std::to_string(item) + " to " + std::string(buffer, ptr);
    }
    case Kind::kSetText:
      return "set item " + std::to_string(item) + " to \"" + text + "\"";
  }
  return "";
}

ModalScript& ModalScript::For(std::string name) {
  dialogName = std::move(name);
  return *this;
}

ModalScript& ModalScript::Press(int item) {
  steps.push_back({ScriptStep::Kind::kPress, item, 0, 0.0f, {}});
  return *this;
}

ModalScript& ModalScript::Pick(int item, int entry) {
  steps.push_back({ScriptStep::Kind::kPick, item, entry, 0.0f, {}});
  return *this;
}

ModalScript& ModalScript::Set(int item, float value) {
  steps.push_back({ScriptStep::Kind::kSetValue, item, 0, value, {}});
  return *this;
}

ModalScript& ModalScript::SetText(int item, std::string text) {
  steps.push_back({ScriptStep::Kind::kSetText, item, 0, 0.0f, std::move(text)});
  return *this;
}

std::string ModalScript::Describe() const {
  std::string out = dialogName ? "dialog \"" + *dialogName + "\": " : "";
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i != 0) out += ", ";
    out += steps[i].Describe();
  }
  return out;
}

std::vector<ModalScript> ParseModalScripts(const std::string& text) {
  return Parser(Tokenize(text)).Runs();
}

}  // namespace standin
