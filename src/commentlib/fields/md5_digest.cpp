// One MD5 over a whole byte span, computed in a single update.
#include "commentlib/fields/md5_digest.h"

#include <md5.h>
#include <sys/types.h>

namespace corvane {

Md5 md5Of(ByteView data)
{
    MD5_CTX context;
    MD5Init(&context);
    MD5Update(&context, data.data(), data.size());
    Md5 digest;
    MD5Final(digest.data(), &context);
    return digest;
}

}
