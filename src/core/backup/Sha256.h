#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <memory>

namespace lumidex::backup {

// The SHA-256 of a stream of bytes, as `sha256sum` computes it. Nettle's (the
// library under libarchive) uses the processor's own SHA instructions where it
// has them: a backup hashes every byte twice, and Qt's own runs at a tenth of
// the speed.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(QByteArrayView bytes);
    // The 32 bytes of the digest; the hash starts again afterwards.
    QByteArray result();

    static QByteArray of(QByteArrayView bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace lumidex::backup
