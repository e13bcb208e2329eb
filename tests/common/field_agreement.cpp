// Field agreement with GMP.
#include "tests/common/field_agreement.h"

#include <gmp.h>

#include <cstring>
#include <utility>

namespace nodri::testing {
namespace {

struct Big {
  Big() { mpz_init(value); }
  ~Big() { mpz_clear(value); }
  Big(const Big&) = delete;
  Big& operator=(const Big&) = delete;
  std::string Decimal() const {
    std::string text(mpz_sizeinbase(value, 10) + 2, '\0');
    mpz_get_str(text.data(), 10, value);
    text.resize(std::strlen(text.c_str()));
    return text;
  }
  mpz_t value;
};

// The number a digit array stands for in `base`, digits of any sign at face
// value, computed independently of the engine's arithmetic.
void ValueOf(const DigitArray& digits, std::int32_t base, Big& out) {
  mpz_set_ui(out.value, 0);
  for (std::int32_t i = 0; i < digits.count; ++i) {
    mpz_mul_si(out.value, out.value, base);
    const std::int32_t digit = digits.digits[static_cast<std::size_t>(i)];
    if (digit >= 0) {
      mpz_add_ui(out.value, out.value, static_cast<unsigned long>(digit));
    } else {
      mpz_sub_ui(out.value, out.value, static_cast<unsigned long>(-std::int64_t{digit}));
    }
  }
}

// The number a field stands for; false when it shows "Overflow!" or is the
// decimal field holding more digits than can be read.
bool Reading(const TForm1& form, const TEdit& field, Big& out, std::string& failure) {
  if (field.Text() == OverflowText) return false;
  if (&field == &form.EditD) {
    const DecimalReading reading = ReadDecimalDigits(field.Text());
    if (reading.digits.overflow()) return false;
    ValueOf(reading.digits, 10, out);
    return true;
  }
  if (&field == &form.EditH) {
    const DigitArray digits = ReadHexDigits(field.Text());
    if (digits.overflow()) failure = "the hexadecimal field reads as overflow";
    ValueOf(digits, 16, out);
    return true;
  }
  const DigitArray digits = ReadBaseDigits(field.Text(), form.EditBase.Text(), form.DigitForm);
  if (form.EditBase.Text() == "1") {
    // A unary text is a tally: N + 1 digits stand for N.
    if (digits.overflow() || digits.count > MaxDigits - 1) {
      failure = "the unary field holds too many digits";
    }
    mpz_set_si(out.value, std::max(digits.count, 1) - 1);
    return true;
  }
  if (digits.overflow()) failure = "the base-n field reads as overflow";
  ValueOf(digits, AtolValue(form.EditBase.Text()), out);
  return true;
}

}  // namespace

Agreement CheckAgreement(const TForm1& form) {
  Agreement result;
  Big reference, value;
  const TEdit* referenceField = nullptr;
  for (const TEdit* field : {&form.EditO, &form.EditD, &form.EditH}) {
    Big& target = referenceField == nullptr ? reference : value;
    if (!Reading(form, *field, target, result.failure)) continue;
    if (!result.failure.empty()) return result;
    if (referenceField == nullptr) {
      referenceField = field;
      result.number = reference.Decimal();
    } else if (mpz_cmp(reference.value, value.value) != 0) {
      result.failure = field->Name + " reads " + value.Decimal() + " but " +
                       referenceField->Name + " reads " + reference.Decimal();
      return result;
    }
  }
  return result;
}

std::string CheckRerunsKeepTheNumber(TForm1& form, RunRecorder& recorder) {
  const Agreement before = CheckAgreement(form);
  if (!before.failure.empty()) return before.failure;
  using Handler = void (TForm1::*)(TObject*);
  const std::pair<const TEdit*, Handler> handlers[] = {{&form.EditO, &TForm1::EditOChange},
                                                       {&form.EditD, &TForm1::EditDChange},
                                                       {&form.EditH, &TForm1::EditHChange}};
  for (const auto& [field, handler] : handlers) {
    if (field->Text() == OverflowText) continue;
    recorder.Clear();
    (form.*handler)(&form);
    const std::string rerun = "re-running the handler of " + field->Name + ": ";
    if (recorder.maxDepth > CascadeDepthBound) {
      return rerun + "nested " + std::to_string(recorder.maxDepth) + " deep";
    }
    const Agreement after = CheckAgreement(form);
    if (!after.failure.empty()) return rerun + after.failure;
    if (before.number && after.number && *before.number != *after.number) {
      return rerun + "the number changed from " + *before.number + " to " + *after.number;
    }
  }
  return {};
}

}  // namespace nodri::testing
