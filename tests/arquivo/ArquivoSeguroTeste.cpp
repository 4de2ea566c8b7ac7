#include "arquivo/ArquivoSeguro.h"

#include "PastaDoProcesso.h"
#include "PipeDestravado.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

namespace {

namespace fs = std::filesystem;

std::string Pasta(const std::string& nome) {
    const std::string p = testes::PastaDoProcesso() + "/" + nome;
    fs::remove_all(p);
    fs::create_directories(p);
    return p;
}

std::string LeTudo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void Escreve(const std::string& caminho, const std::string& bytes) {
    std::ofstream(caminho, std::ios::binary) << bytes;
}

struct stat Stat(const std::string& caminho) {
    struct stat st {};
    EXPECT_EQ(::lstat(caminho.c_str(), &st), 0) << caminho;
    return st;
}

bool Root() {
    return ::geteuid() == 0;
}

// Runs `f` in a child process as an ordinary user (nobody) when the tests
// run as root, where permissions would not apply; its result is the child's
// exit status.
int ComoUsuarioComum(const std::function<bool()>& f) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (Root() && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        ::_exit(f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

TEST(ArquivoSeguro, SubstituiArquivoComumMantendoModoEDono) {
    const std::string p = Pasta("comum");
    const std::string arq = p + "/aula.esm";
    Escreve(arq, "antigo");
    ::chmod(arq.c_str(), 0640);
    if (Root()) {
        ASSERT_EQ(::chown(arq.c_str(), 12345, 23456), 0);
    }
    const ino_t antes = Stat(arq).st_ino;

    ASSERT_FALSE(GravaArquivo(arq, "novo"));
    EXPECT_EQ(LeTudo(arq), "novo");
    const struct stat st = Stat(arq);
    EXPECT_NE(st.st_ino, antes) << "a complete new file renamed over the old one";
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (Root()) {
        EXPECT_EQ(st.st_uid, 12345u);
        EXPECT_EQ(st.st_gid, 23456u);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(p), {}), 1) << "no temporary file left";

    // A new name gets the usual permissions of a new file.
    ASSERT_FALSE(GravaArquivo(p + "/nova.esm", "x"));
    EXPECT_EQ(LeTudo(p + "/nova.esm"), "x");
}

// A symbolic link stays a link and its file takes the bytes (one still to
// be made is made; a loop is refused); every hard link of a file sees the
// new content, tail and all.
TEST(ArquivoSeguro, OutrosNomesDoArquivo) {
    const std::string p = Pasta("link");
    Escreve(p + "/real.esm", "antigo");
    fs::create_symlink("real.esm", p + "/atalho.esm");
    ASSERT_FALSE(GravaArquivo(p + "/atalho.esm", "novo"));
    EXPECT_TRUE(fs::is_symlink(p + "/atalho.esm"));
    EXPECT_EQ(LeTudo(p + "/real.esm"), "novo");
    fs::create_symlink("sub/futuro.esm", p + "/pendente.esm");
    fs::create_directories(p + "/sub");
    ASSERT_FALSE(GravaArquivo(p + "/pendente.esm", "criado"));
    EXPECT_TRUE(fs::is_symlink(p + "/pendente.esm"));
    EXPECT_EQ(LeTudo(p + "/sub/futuro.esm"), "criado");
    fs::create_symlink("circulo.esm", p + "/circulo.esm");
    EXPECT_TRUE(GravaArquivo(p + "/circulo.esm", "x"));

    fs::create_hard_link(p + "/real.esm", p + "/b.esm");
    const ino_t antes = Stat(p + "/real.esm").st_ino;
    ASSERT_FALSE(GravaArquivo(p + "/real.esm", "novo e mais longo"));
    EXPECT_EQ(LeTudo(p + "/b.esm"), "novo e mais longo");
    EXPECT_EQ(Stat(p + "/real.esm").st_ino, antes);
    ASSERT_FALSE(GravaArquivo(p + "/b.esm", "curto"));
    EXPECT_EQ(LeTudo(p + "/real.esm"), "curto") << "the tail of the longer content is gone";
    EXPECT_EQ(std::distance(fs::directory_iterator(p), {}), 6) << "no temporary file left";
}

TEST(ArquivoSeguro, PastaSemPermissaoComArquivoGravavel) {
    const std::string p = Pasta("pastafechada");
    const std::string arq = p + "/aula.esm";
    Escreve(arq, "antigo");
    ::chmod(arq.c_str(), 0666);
    ::chmod(p.c_str(), 0555);
    const ino_t antes = Stat(arq).st_ino;
    EXPECT_EQ(ComoUsuarioComum([&] { return !GravaArquivo(arq, "novo"); }), 0);
    EXPECT_EQ(LeTudo(arq), "novo");
    EXPECT_EQ(Stat(arq).st_ino, antes);
    ::chmod(p.c_str(), 0755);
}

TEST(ArquivoSeguro, SomenteLeituraSoComConfirmacao) {
    const std::string p = Pasta("leitura");
    const std::string arq = p + "/aula.esm";
    Escreve(arq, "antigo");
    ::chmod(arq.c_str(), 0444);
    const auto erro = GravaArquivo(arq, "novo");
    ASSERT_TRUE(erro);
    EXPECT_EQ(erro->tipo, TipoErro::SomenteLeitura);
    EXPECT_EQ(erro->texto, "O arquivo " + arq + " é somente leitura.");
    EXPECT_EQ(LeTudo(arq), "antigo");

    ASSERT_FALSE(GravaArquivo(arq, "novo", {.substituiSomenteLeitura = true}));
    EXPECT_EQ(LeTudo(arq), "novo");
    EXPECT_EQ(Stat(arq).st_mode & 07777, 0444u);
}

TEST(ArquivoSeguro, PastaRecusadaELeituraComLimite) {
    const std::string p = Pasta("especiais");
    fs::create_directories(p + "/sub");
    const auto pasta = GravaArquivo(p + "/sub", "x");
    ASSERT_TRUE(pasta);
    EXPECT_EQ(pasta->texto,
              "Não foi possível gravar " + p + "/sub: é uma pasta, não um arquivo comum.");
    EXPECT_TRUE(fs::is_directory(p + "/sub"));

    Escreve(p + "/a", std::string(100, 'x'));
    std::string lido;
    ASSERT_FALSE(LeArquivo(p + "/a", 100, "100 bytes", lido));
    EXPECT_EQ(lido.size(), 100u);
    const auto grande = LeArquivo(p + "/a", 99, "99 bytes", lido);
    ASSERT_TRUE(grande);
    EXPECT_EQ(grande->texto, "o arquivo é grande demais (mais de 99 bytes)");
    const auto falta = LeArquivo(p + "/nao_existe", 99, "99 bytes", lido);
    ASSERT_TRUE(falta);
    EXPECT_EQ(falta->texto, "não foi possível abrir o arquivo (o arquivo ou a pasta não existe)");
    EXPECT_EQ(LeArquivo(p, 99, "99 bytes", lido)->texto, "não é um arquivo comum, é uma pasta");
}

TEST(ArquivoSeguro, PipeEscritoDiretoSemTravar) {
    const std::string p = Pasta("pipe");
    const std::string fifo = p + "/f";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const PipeDestravado destravado(fifo);
    const auto semLeitor = GravaArquivo(fifo, "x");
    ASSERT_TRUE(semLeitor) << "nobody reads: an error, not a wait";
    EXPECT_NE(semLeitor->texto.find("ninguém está lendo"), std::string::npos);

    std::string recebido;
    std::thread leitor([&] { recebido = LeTudo(fifo); });
    // The writer needs the reader's open; retry until the thread is there.
    std::optional<Erro> erro;
    for (int i = 0; i < 1000 && (erro = GravaArquivo(fifo, "tabela")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    leitor.join();
    EXPECT_FALSE(erro);
    EXPECT_EQ(recebido, "tabela");
    EXPECT_TRUE(S_ISFIFO(Stat(fifo).st_mode)) << "never replaced";

    // Reading never waits for a writer.
    std::string lido;
    const auto leitura = LeArquivo(fifo, 100, "100 bytes", lido);
    ASSERT_TRUE(leitura);
    EXPECT_EQ(leitura->texto, "não é um arquivo comum, é um pipe");
}

TEST(ArquivoSeguro, DispositivosNuncaSubstituidos) {
    if (!Root()) GTEST_SKIP() << "mknod needs root";
    const std::string p = Pasta("dispositivos");
    const std::string nulo = p + "/null", cheio = p + "/full";
    if (::mknod(nulo.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no device nodes here";
    ASSERT_EQ(::mknod(cheio.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);

    EXPECT_FALSE(GravaArquivo(nulo, "x"));
    const auto erro = GravaArquivo(cheio, "x");
    ASSERT_TRUE(erro) << "a write error on a device is reported";
    EXPECT_EQ(erro->texto, "Não foi possível gravar " + cheio + ": não há espaço no disco.");
    for (const auto& d : {nulo, cheio}) EXPECT_TRUE(S_ISCHR(Stat(d).st_mode)) << d;

    // A link to a device: the device takes the bytes, the link stays.
    fs::create_symlink("full", p + "/atalho");
    EXPECT_TRUE(GravaArquivo(p + "/atalho", "x"));
    EXPECT_TRUE(fs::is_symlink(p + "/atalho"));

    std::string lido;
    EXPECT_TRUE(LeArquivo(nulo, 100, "100 bytes", lido)) << "a device is no file to read";
}

} // namespace
