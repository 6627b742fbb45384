#include "DeviceCatalogue.h"

#include "LineFile.h"

DeviceListing scanDeviceFile(const QString& path) {
    LineReader reader(path);
    DeviceListing listing;
    int lineInRecord = 0;
    while (!reader.atEnd()) {
        const QString line = reader.readLine();
        if (lineInRecord == 0) listing.names << line;
        if (++lineInRecord == kDeviceRecordLines) {
            lineInRecord = 0;
            ++listing.completeRecords;
        }
    }
    return listing;
}
