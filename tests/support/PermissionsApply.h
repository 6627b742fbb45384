#pragma once

#include <linux/capability.h>

// While alive, this thread's file access obeys the files' permissions also when the tests run as
// root, who would otherwise read an unreadable file and write into a read-only folder.
class PermissionsApply {
public:
    PermissionsApply();
    ~PermissionsApply();
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[_LINUX_CAPABILITY_U32S_3]{};
};
