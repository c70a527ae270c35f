#include "FuzzTarget.h"
#include "store/AddresseeCsv.h"
#include "store/StoreError.h"

void fuzzOne(const QByteArray& bytes) {
    try {
        AddresseeCsv::read(bytes);
    } catch (const StoreError&) {
    }
}
