// The MIME type a file manager built on Qt would give each file named: one
// line per file, "name<TAB>type", by the name's glob and by the content.
#include <QCoreApplication>
#include <QMimeDatabase>

#include <iostream>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QMimeDatabase banco;
    for (int i = 1; i < argc; ++i)
        std::cout << argv[i] << '\t'
                  << banco.mimeTypeForFile(QString::fromLocal8Bit(argv[i])).name().toStdString()
                  << '\n';
    return 0;
}
