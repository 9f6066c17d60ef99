#include "backup/Sha256.h"

#include <nettle/sha2.h>

namespace lumidex::backup {

struct Sha256::State {
    sha256_ctx context;
};

Sha256::Sha256()
    : m_state(std::make_unique<State>())
{
    sha256_init(&m_state->context);
}

Sha256::~Sha256() = default;

void Sha256::add(QByteArrayView bytes)
{
    sha256_update(&m_state->context, size_t(bytes.size()), reinterpret_cast<const uint8_t*>(bytes.data()));
}

QByteArray Sha256::result()
{
    QByteArray digest(SHA256_DIGEST_SIZE, '\0');
    // Nettle's digest also starts the hash again.
    sha256_digest(&m_state->context, SHA256_DIGEST_SIZE, reinterpret_cast<uint8_t*>(digest.data()));
    return digest;
}

QByteArray Sha256::of(QByteArrayView bytes)
{
    Sha256 hash;
    hash.add(bytes);
    return hash.result();
}

} // namespace lumidex::backup
