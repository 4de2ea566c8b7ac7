#include "arquivo/ArquivoSeguro.h"

#include "texto/TextoDecimal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string PastaDe(const std::string& caminho) {
    const std::size_t barra = caminho.rfind('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : caminho.substr(0, barra);
}

std::string NomeDe(const std::string& caminho) {
    const std::size_t barra = caminho.rfind('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

// What a file that is not a regular one is, for the message that refuses it.
const char* Especie(mode_t modo) {
    if (S_ISDIR(modo)) return "uma pasta";
    if (S_ISBLK(modo)) return "um dispositivo de blocos";
    if (S_ISCHR(modo)) return "um dispositivo de caracteres";
    if (S_ISFIFO(modo)) return "um pipe";
    if (S_ISSOCK(modo)) return "um socket";
    return "um arquivo especial";
}

// The name a chain of symbolic links ends at, which may not exist yet (a
// link to a file still to be made). 0, or the errno that stopped the walk.
int SegueLinks(std::string& alvo) {
    for (int saltos = 0; saltos < 40; ++saltos) {
        struct stat st {};
        if (::lstat(alvo.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) return 0;
        std::string destino(std::size_t(st.st_size > 0 ? st.st_size : 4095) + 1, '\0');
        const ssize_t n = ::readlink(alvo.c_str(), destino.data(), destino.size());
        if (n < 0) return errno;
        if (std::size_t(n) >= destino.size()) return ENAMETOOLONG;
        destino.resize(std::size_t(n));
        alvo = destino.front() == '/' ? destino : PastaDe(alvo) + "/" + destino;
    }
    return ELOOP;
}

bool EscreveTudo(int fd, std::string_view s) {
    while (!s.empty()) {
        const ssize_t n = ::write(fd, s.data(), s.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        s.remove_prefix(std::size_t(n));
    }
    return true;
}

// Closes fd and gives the first errno of the sequence, 0 when all went well.
int FechaApos(int fd, int erro) {
    if (::close(fd) != 0 && erro == 0) erro = errno;
    return erro;
}

bool PodeEscrever(const std::string& caminho, int modo) {
    return ::access(caminho.c_str(), modo) == 0;
}

class Gravacao {
  public:
    Gravacao(const std::string& caminho, std::string_view bytes, OpcoesGravacao opcoes)
        : caminho_(caminho), bytes_(bytes), opcoes_(opcoes) {}

    std::optional<Erro> Executa() {
        struct stat st {};
        // stat follows every link, the kernel's own (/dev/stdout) included.
        if (::stat(caminho_.c_str(), &st) != 0) {
            if (errno != ENOENT) return Falha(errno);
            // A new name, or a link to a file still to be made.
            alvo_ = caminho_;
            if (const int erro = SegueLinks(alvo_)) return Falha(erro);
            return Substitui(nullptr);
        }
        if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return Direto();
        if (!S_ISREG(st.st_mode))
            return Erro{TipoErro::Arquivo, "Não foi possível gravar " + caminho_ + ": é " +
                                               Especie(st.st_mode) + ", não um arquivo comum."};
        alvo_ = caminho_;
        if (char* real = ::realpath(caminho_.c_str(), nullptr)) {
            alvo_ = real;
            std::free(real);
        }
        const bool somenteLeitura = (st.st_mode & 0222) == 0 || !PodeEscrever(alvo_, W_OK);
        if (somenteLeitura && !opcoes_.substituiSomenteLeitura)
            return Erro{TipoErro::SomenteLeitura, "O arquivo " + caminho_ + " é somente leitura."};
        const bool pastaGravavel = PodeEscrever(PastaDe(alvo_), W_OK | X_OK);
        if (!somenteLeitura && (st.st_nlink > 1 || !pastaGravavel)) return EmLugar(pastaGravavel);
        return Substitui(&st);
    }

  private:
    Erro Falha(int erro, const std::string& complemento = {}) const {
        return {TipoErro::Arquivo, "Não foi possível gravar " + caminho_ + ": " +
                                       TextoErroSistema(erro) + "." + complemento};
    }

    // A complete temporary file in `pasta`, with the mode and, where
    // permitted, the owner of `modelo`. 0 or the errno of the failure.
    int GravaTemporario(const std::string& pasta, const struct stat* modelo) {
        const std::string base = pasta + "/." + NomeDe(alvo_).substr(0, 180) + ".";
        int fd = -1;
        for (int n = 0; fd < 0 && n < 100; ++n) {
            temp_ = base + FormataInteiro(::getpid()) + "-" + FormataInteiro(n) + ".tmp";
            fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) {
            const int erro = errno;
            temp_.clear();
            return erro;
        }
        if (modelo) {
            // The owner first: changing it clears the set-id bits the mode restores.
            if (::fchown(fd, modelo->st_uid, modelo->st_gid) != 0)
                (void)!::fchown(fd, uid_t(-1), modelo->st_gid);
            ::fchmod(fd, modelo->st_mode & 07777);
        }
        int erro = 0;
        if (!EscreveTudo(fd, bytes_) || ::fsync(fd) != 0) erro = errno;
        erro = FechaApos(fd, erro);
        if (erro != 0) Descarta();
        return erro;
    }

    void Descarta() {
        if (!temp_.empty()) ::unlink(temp_.c_str());
        temp_.clear();
    }

    std::optional<Erro> Substitui(const struct stat* antes) {
        const std::string pasta = PastaDe(alvo_);
        if (const int erro = GravaTemporario(pasta, antes)) return Falha(erro);
        if (::rename(temp_.c_str(), alvo_.c_str()) != 0) {
            const int erro = errno;
            Descarta();
            return Falha(erro);
        }
        temp_.clear();
        // The rename itself reaches the disk only with its folder.
        if (const int fd = ::open(pasta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
        return std::nullopt;
    }

    // Every name of the file sees the new bytes. They are first kept whole
    // in a temporary file, so a failure half-way through the target still
    // leaves them somewhere the message names.
    std::optional<Erro> EmLugar(bool pastaGravavel) {
        const char* tmpdir = std::getenv("TMPDIR");
        const std::string pasta = pastaGravavel       ? PastaDe(alvo_)
                                  : tmpdir && *tmpdir ? std::string(tmpdir)
                                                      : std::string("/tmp");
        if (const int erro = GravaTemporario(pasta, nullptr)) return Falha(erro);
        const int fd = ::open(alvo_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            const int erro = errno;
            Descarta();
            return Falha(erro);
        }
        int erro = 0;
        if (::ftruncate(fd, 0) != 0 || !EscreveTudo(fd, bytes_) || ::fsync(fd) != 0) erro = errno;
        erro = FechaApos(fd, erro);
        if (erro != 0) {
            const std::string guardado = temp_;
            temp_.clear();
            return Falha(erro, " Os dados completos estão em " + guardado + ".");
        }
        Descarta();
        return std::nullopt;
    }

    // A device or a pipe takes the bytes as they come; a pipe nobody reads
    // is an error, not a wait.
    std::optional<Erro> Direto() {
        const int fd = ::open(caminho_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            if (errno == ENXIO)
                return Erro{TipoErro::Arquivo, "Não foi possível gravar " + caminho_ +
                                                   ": ninguém está lendo esse pipe."};
            return Falha(errno);
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        int erro = EscreveTudo(fd, bytes_) ? 0 : errno;
        erro = FechaApos(fd, erro);
        if (erro != 0) return Falha(erro);
        return std::nullopt;
    }

    const std::string& caminho_;
    std::string_view bytes_;
    OpcoesGravacao opcoes_;
    std::string alvo_, temp_;
};

} // namespace

std::string TextoErroSistema(int erro) {
    switch (erro) {
    case ENOENT:
        return "o arquivo ou a pasta não existe";
    case EACCES:
    case EPERM:
        return "permissão negada";
    case ENOSPC:
        return "não há espaço no disco";
    case EDQUOT:
        return "a cota de disco foi excedida";
    case EROFS:
        return "o sistema de arquivos é somente leitura";
    case EISDIR:
        return "é uma pasta";
    case ENOTDIR:
        return "parte do caminho não é uma pasta";
    case ENAMETOOLONG:
        return "o nome é longo demais";
    case ELOOP:
        return "links simbólicos demais";
    case EEXIST:
        return "o arquivo já existe";
    case EIO:
        return "erro de entrada e saída";
    case EFBIG:
        return "o arquivo ficaria grande demais";
    case ETXTBSY:
        return "o arquivo está em uso";
    case EBUSY:
        return "o dispositivo está ocupado";
    case EMFILE:
    case ENFILE:
        return "arquivos abertos demais";
    case ENOMEM:
        return "não há memória suficiente";
    case EPIPE:
        return "o outro lado do pipe foi fechado";
    case ENXIO:
        return "o dispositivo não existe";
    case EINVAL:
        return "argumento inválido";
    case EXDEV:
        return "o arquivo está em outro sistema de arquivos";
    default:
        return std::string("erro do sistema ") + FormataInteiro(erro) + " (" + std::strerror(erro) +
               ")";
    }
}

std::optional<Erro> GravaArquivo(const std::string& caminho, std::string_view bytes,
                                 OpcoesGravacao opcoes) {
    if (caminho.empty()) return Erro{TipoErro::Arquivo, "Nenhum nome de arquivo foi dado."};
    return Gravacao(caminho, bytes, opcoes).Executa();
}

std::optional<Erro> LeArquivo(const std::string& caminho, std::size_t limite,
                              std::string_view descricaoLimite, std::string& bytes) {
    const auto falha = [](std::string texto) { return Erro{TipoErro::Arquivo, std::move(texto)}; };
    // Checked before opening: opening a device can act on it, and a pipe
    // would wait for a writer.
    struct stat st {};
    if (::stat(caminho.c_str(), &st) != 0)
        return falha("não foi possível abrir o arquivo (" + TextoErroSistema(errno) + ")");
    const auto naoComum = [&](mode_t modo) {
        return falha(std::string("não é um arquivo comum, é ") + Especie(modo));
    };
    if (!S_ISREG(st.st_mode)) return naoComum(st.st_mode);
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return falha("não foi possível abrir o arquivo (" + TextoErroSistema(errno) + ")");
    // It may have been swapped for something else since the first look.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return naoComum(st.st_mode);
    }
    const auto grandeDemais = [&] {
        return falha("o arquivo é grande demais (mais de " + std::string(descricaoLimite) + ")");
    };
    if (std::uintmax_t(st.st_size) > limite) {
        ::close(fd);
        return grandeDemais();
    }
    // A file that grows while it is read: never hold more than the limit and one byte.
    bytes.clear();
    int erro = 0;
    char buf[65536];
    while (bytes.size() <= limite) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) erro = errno;
        if (n <= 0) break;
        bytes.append(buf, std::min(std::size_t(n), limite + 1 - bytes.size()));
    }
    ::close(fd);
    if (erro != 0) return falha("não foi possível ler o arquivo (" + TextoErroSistema(erro) + ")");
    if (bytes.size() > limite) return grandeDemais();
    return std::nullopt;
}
