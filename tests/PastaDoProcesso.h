#pragma once
// One folder per test process, gone at its exit: a mutation run, another
// tree's suite and a developer's run share /tmp, and fixed names there made
// one run's files another's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace testes {

inline const std::string& PastaDoProcesso() {
    static const struct Raiz {
        std::string p = ::testing::TempDir() + "halvora_" + std::to_string(::getpid());
        Raiz() { std::filesystem::create_directories(p); }
        ~Raiz() { std::filesystem::remove_all(p); }
    } raiz;
    return raiz.p;
}

} // namespace testes
