#include "FuzzTarget.h"
#include "store/StoreError.h"
#include "store/VCard.h"

void fuzzOne(const QByteArray& bytes) {
    try {
        VCard::read(bytes);
    } catch (const StoreError&) {
    }
}
