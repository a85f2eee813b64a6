#pragma once
// A named script variable: one value and the kind it was last stored as.

#include <cstdint>
#include <string>
#include <string_view>

#include "script/script_value.h"

namespace tagpress {

// How a variable's value was last stored. The same codes name the declared
// types of scripts (see TypeCodeOfName).
enum TkxVarKind : uint8_t {
  vkVariant = 0,
  vkInteger = 1,
  vkString = 2,
  vkBoolean = 3,
  vkDateTime = 4,
  vkFloat = 5,
  vkObject = 6,
};

// An object of the host program that scripts reach through variables of kind
// vkObject. The engine keeps only the reference and asks for the class name
// to build error messages.
class TkxHostObject {
 public:
  virtual ~TkxHostObject() = default;
  virtual std::string ClassName() const = 0;
};

// The kind a value of this type is stored as.
TkxVarKind KindOfValue(const TkxValue& value);

// The type code of a declared type name: INTEGER/INT 1, STRING 2,
// BOOL/BOOLEAN 3, DATE/TIME/DATETIME 4, FLOAT/DOUBLE 5, an empty name 0,
// any other name 6. Letter case is ignored.
TkxVarKind TypeCodeOfName(std::string_view type_name);

class TkxScriptVar {
 public:
  // Life cycle: kind 0, Null, no name.
  TkxScriptVar() = default;
  explicit TkxScriptVar(std::string var_name) : var_name_(std::move(var_name)) {}

  // Properties.
  TkxVarKind Kind() const { return kind_; }
  const std::string& VarName() const { return var_name_; }
  // The value as it is, whatever the kind (no check for objects).
  const TkxValue& Value() const { return value_; }

  // Operations.
  // Copies kind and value of `source` when given; the name stays.
  void Assign(const TkxScriptVar* source);
  void Clear();
  // Stores the value; the kind follows its type.
  void SetValue(const TkxValue& value);
  void SetValue(TkxValue&& value);
  // The value; EScriptError for an object variable.
  const TkxValue& GetValue() const;
  // Stores a reference (nullptr for none); the kind becomes vkObject only
  // when it was vkVariant.
  void SetObject(TkxHostObject* object);
  // The reference of an object variable; EScriptError for other kinds.
  TkxHostObject* AsObject() const;

  // Conversions; they never fail on text.
  int32_t AsInteger() const;
  double AsFloat() const;
  std::string AsString() const;
  double AsDateTime() const;
  bool AsBoolean() const;

 private:
  [[noreturn]] void ThrowObjectReadAsSimple() const;

  TkxValue value_ = TkxValue::Null();
  TkxVarKind kind_ = vkVariant;
  std::string var_name_;
};

}  // namespace tagpress
