#pragma once
// The one way every file of the program is read and written.
//
// Writing never leaves a half-written file and never replaces what is not a
// plain file: a regular file (or a new name) gets a complete temporary file
// beside it that is renamed over it, with the old file's mode and, where
// permitted, its owner; a symbolic link is followed and stays a link; a file
// with several names, or in a folder the user cannot write, is rewritten in
// place once a complete copy of the new bytes is safe elsewhere; a character
// device or a pipe is written to as it is (so /dev/stdout works); a folder,
// a block device or a socket is refused. Reading opens nothing that could
// block and takes only regular files up to a size limit.

#include "run/Erro.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The system's reason for errno `erro`, in Portuguese.
std::string TextoErroSistema(int erro);

struct OpcoesGravacao {
    // The user was asked and wants a read-only file replaced.
    bool substituiSomenteLeitura = false;
};

// Nothing when every byte reached the file; otherwise why not, naming
// `caminho`. A read-only target gives TipoErro::SomenteLeitura with
// "O arquivo ... é somente leitura." unless the options allow it.
std::optional<Erro> GravaArquivo(const std::string& caminho, std::string_view bytes,
                                 OpcoesGravacao opcoes = {});

// The whole file into `bytes`; an error when it is not a regular file, is
// larger than `limite` bytes or cannot be read. `descricaoLimite` says the
// limit to the user ("1 MB").
std::optional<Erro> LeArquivo(const std::string& caminho, std::size_t limite,
                              std::string_view descricaoLimite, std::string& bytes);
