void Calculator::New() {}
