#pragma once

#include <memory>
#include <type_traits>
#include <utility>

// A callable passed down a call, not kept: what std::function does for a
// callback, without its allocation and its second indirection, where it is
// called for every address of a log of millions of lines. It refers to the
// callable, which must outlive the call it is passed to.
namespace netquill {

template <typename Signature>
class FunctionRef;

template <typename Result, typename... Arguments>
class FunctionRef<Result(Arguments...)>
{
public:
    template <typename Callable>
    requires(!std::is_same_v<std::remove_cvref_t<Callable>, FunctionRef> &&
             std::is_invocable_r_v<Result, Callable &, Arguments...>)
        FunctionRef(Callable &&callable)  // NOLINT: converts as std::function does
        : m_callable(const_cast<void *>(static_cast<const void *>(std::addressof(callable)))),
          m_call([](void *callable, Arguments... arguments) -> Result {
              return (*static_cast<std::remove_reference_t<Callable> *>(callable))(
                  std::forward<Arguments>(arguments)...);
          })
    {}

    Result operator()(Arguments... arguments) const
    {
        return m_call(m_callable, std::forward<Arguments>(arguments)...);
    }

private:
    void *m_callable;
    Result (*m_call)(void *, Arguments...);
};

}  // namespace netquill
