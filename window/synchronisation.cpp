// Field synchronisation: each number field's change handler reads its own
// field, writes it back in canonical form and writes the other two.
//
// Every write goes through the text setter, so a write that changes a field
// runs that field's handler nested, before it returns; the cascade ends when
// every write finds its text already in place. Writes happen in a fixed order
// (own field, then the others), and the last write to a field decides what it
// shows.
//
// Base 1 is unary: the number N is written as N + 1 zero digits (N up to
// 254). The base-n handler reads such a text as a tally of its digits, so that
// base 1 holds its number like any other base.
#include <algorithm>
#include <string>

#include "window/form1.h"
#include "window/handler_run.h"

namespace nodri {
namespace {

// The largest number that unary digits show: 255 zero digits.
constexpr std::int32_t MaxUnaryNumber = MaxDigits - 2;

// N + 1 zero digits, or the overflow marker when N is out of reach.
DigitArray UnaryDigits(std::int32_t number) {
  DigitArray digits;
  if (number < 0 || number > MaxUnaryNumber) {
    digits.count = OverflowCount;
  } else {
    digits.count = number + 1;  // the storage is zero-filled already
  }
  return digits;
}

// The digits of a small number in base 10, for the unary field's neighbours.
DigitArray DecimalDigitsOf(std::int32_t number) {
  DigitArray digits;
  const std::string text = std::to_string(number);
  for (const char c : text) digits.digits[static_cast<std::size_t>(digits.count++)] = c - '0';
  return digits;
}

DigitArray Converted(const DigitArray& source, std::int32_t from, std::int32_t to) {
  DigitArray result;
  result.count = ConvertDigits(source, from, to, result);
  return result;
}

}  // namespace

void TForm1::WriteField(TEdit& field, const std::string& text, bool quiet) {
  if (quiet) {
    field.SetTextWithoutChange(text);
  } else {
    field.SetText(text);
  }
}

std::string TForm1::ShowBaseN(const DigitArray& digits) const {
  return ShowDigitsO(digits, EditBase.Text(), DigitForm, CaseUpper != 0);
}

void TForm1::EditDChange(TObject*) {
  HandlerRun run(*this, "EditDChange", EditD);
  const DecimalReading reading = ReadDecimalDigits(EditD.Text());
  const bool read = !reading.digits.overflow();
  EditD.SetText(reading.cleaned);

  const DigitArray hex = Converted(reading.digits, 10, 16);
  WriteField(EditH, ShowDigitsH(hex, CaseUpper != 0), read && hex.overflow());

  DigitArray baseN;
  if (BaseIsUnary()) {
    // Decided on the digit count first: "3000000000" never meets an integer.
    const bool small = read && reading.cleaned.size() <= 3;
    baseN = UnaryDigits(small ? std::stoi(reading.cleaned) : -1);
  } else {
    baseN = Converted(reading.digits, 10, BaseValue());
  }
  WriteField(EditO, ShowBaseN(baseN), read && baseN.overflow());
}

void TForm1::EditHChange(TObject*) {
  HandlerRun run(*this, "EditHChange", EditH);
  const DigitArray digits = ReadHexDigits(EditH.Text());
  const bool read = !digits.overflow();
  // Not the cleaned text: the letters take the case in force, and too many
  // digits show "Overflow!".
  EditH.SetText(ShowDigitsH(digits, CaseUpper != 0));

  const DigitArray decimal = Converted(digits, 16, 10);
  WriteField(EditD, ShowDigitsD(decimal), read && decimal.overflow());

  DigitArray baseN;
  if (BaseIsUnary()) {
    std::int32_t number = -1;
    if (read && digits.count == 1) number = digits.digits[0];
    if (read && digits.count == 2) number = 16 * digits.digits[0] + digits.digits[1];
    baseN = UnaryDigits(number);
  } else {
    baseN = Converted(digits, 16, BaseValue());
  }
  WriteField(EditO, ShowBaseN(baseN), read && baseN.overflow());
}

void TForm1::EditOChange(TObject*) {
  HandlerRun run(*this, "EditOChange", EditO);
  const DigitArray digits = ReadBaseDigits(EditO.Text(), EditBase.Text(), DigitForm);

  if (BaseIsUnary()) {
    // A tally: N + 1 digits stand for N, whatever their values. More than
    // fit in unary is the reader's own overflow.
    const bool read = !digits.overflow() && digits.count <= MaxUnaryNumber + 1;
    const std::int32_t number = read ? std::max(digits.count, 1) - 1 : -1;
    EditO.SetText(ShowBaseN(UnaryDigits(number)));
    DigitArray value = DecimalDigitsOf(read ? number : 0);
    EditD.SetText(ShowDigitsD(value));
    EditH.SetText(ShowDigitsH(Converted(value, 10, 16), CaseUpper != 0));
    return;
  }

  const bool read = !digits.overflow();
  EditO.SetText(ShowBaseN(digits));
  const std::int32_t base = BaseValue();
  const DigitArray decimal = Converted(digits, base, 10);
  WriteField(EditD, ShowDigitsD(decimal), read && decimal.overflow());
  const DigitArray hex = Converted(digits, base, 16);
  WriteField(EditH, ShowDigitsH(hex, CaseUpper != 0), read && hex.overflow());
}

void TForm1::RecomputeAfterBaseChange() {
  if (EditD.Text() != OverflowText || EditH.Text() == OverflowText) {
    EditDChange(this);
  } else {
    EditHChange(this);
  }
}

void TForm1::RecomputeAfterNotationChange(std::int32_t formBefore) {
  if (EditD.Text() != OverflowText) {
    EditDChange(this);
  } else if (EditH.Text() != OverflowText) {
    EditHChange(this);
  } else {
    // Only the base-n field holds the number. Its base is unchanged, so its
    // digits read in the form they were written in stand for that number.
    const DigitArray digits = ReadBaseDigits(EditO.Text(), EditBase.Text(), formBefore);
    EditO.SetText(ShowBaseN(digits));
  }
}

}  // namespace nodri
