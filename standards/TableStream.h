#pragma once
// Reads the table files' character stream by the program's text rules:
// - a line ends at CR LF, at a CR on its own or at a LF on its own, so files saved with
//   DOS, old Mac or Unix line ends read alike;
// - Ctrl-Z, or the physical end of the text, is end of file;
// - a number is the run of characters above 0x20 that follows any characters at or below
//   0x20, at most 32 characters for an integer and 64 for a real; the character that
//   ends it stays in the stream; at end of file the number reads as 0, and the stream
//   notes that it ran out.
// A token that does not convert puts the stream in a failed state: later reads return 0
// and consume nothing, so a caller can check once per row.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class TableStream {
 public:
  explicit TableStream(std::string_view text) : text_(text) {}

  bool AtEnd() const;

  // Discards everything up to and including the next line end (a header line, or the
  // rest of a row). At end of file it consumes nothing.
  void SkipLine();

  int32_t ReadInteger();
  double ReadReal();
  // A real number kept exactly as a whole count of 10^-decimals (decimals 2 reads "-9.15"
  // as -915). A token that is not a real number, has digits beyond that place (after its
  // exponent is applied) or whose count has more than maxDigits (at most 18) digits does
  // not convert.
  int64_t ReadScaled(int decimals, std::size_t maxDigits);

  // Whether a read found the end of file in place of a number.
  bool RanOut() const { return ranOut_; }
  bool Failed() const { return failed_; }
  // Where the stream has reached: after a read, just past the number read; after a failed
  // read, just past the token that did not convert.
  std::size_t Position() const { return pos_; }
  // The line, counted from 1, of a position. Counted only when asked, for a message.
  int LineAt(std::size_t position) const;
  int Line() const { return LineAt(pos_); }
  // The first token that did not convert.
  const std::string& BadToken() const { return badToken_; }

 private:
  std::string_view NextToken(std::size_t maxLength);
  void Fail(std::string_view token);

  std::string_view text_;
  std::size_t pos_ = 0;
  bool ranOut_ = false;
  bool failed_ = false;
  std::string badToken_;
};
