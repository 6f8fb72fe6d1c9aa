#pragma once

namespace vexlor {

class InputRules;
class ParameterBinding;

// The window's values as a command takes them: the binding, and the rules
// that bound the value being edited before the values are taken.
struct WindowValueAccess {
    ParameterBinding &binding;
    InputRules &rules;
};

} // namespace vexlor
