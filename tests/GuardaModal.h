#pragma once
// A widget test that meets a modal dialog nobody answers would wait on it
// until the test runner's timeout kills it, saying nothing of the dialog.
// main_qt.cpp watches for such dialogs, fails the running test and
// closes them; a test that answers its dialogs itself holds a Respondedor
// while it does, so the watcher gives its dialogs far longer.

namespace guarda {

class Respondedor {
  public:
    Respondedor() { ++vivos(); }
    ~Respondedor() { --vivos(); }
    Respondedor(const Respondedor&) = delete;
    Respondedor& operator=(const Respondedor&) = delete;
    // Function-local, so every file of one test executable shares it.
    static int& vivos() {
        static int n = 0;
        return n;
    }
};

// How long an unanswered dialog may stay up first: answerers written as a
// zero-time single shot fire well within it.
inline constexpr int ToleranciaMs = 300;
// How long any dialog may stay up, answerer or not.
inline constexpr int LimiteMs = 20000;

} // namespace guarda
