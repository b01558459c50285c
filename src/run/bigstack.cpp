#include "bigstack.h"

#include <pthread.h>

namespace zimo
{

namespace
{
void* trampoline(void* arg)
{
    (*static_cast<const std::function<void()>*>(arg))();
    return nullptr;
}
}

void runWithBigStack(const std::function<void()>& work)
{
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, RunStackBytes);
    pthread_t thread;
    if (pthread_create(&thread, &attr, trampoline, const_cast<std::function<void()>*>(&work))
        != 0) {
        pthread_attr_destroy(&attr);
        work();
        return;
    }
    pthread_attr_destroy(&attr);
    pthread_join(thread, nullptr);
}

} // namespace zimo
