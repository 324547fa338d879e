// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/compression_stream.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <zlib.h>

namespace maprune {

namespace {

constexpr size_t kChunkBytes = size_t { 1 } << 20;
// deflate looks back at most this far: what a chunk is primed with.
constexpr size_t kWindowBytes = 32768;
// Chunks under way per compressing thread: enough to keep each busy while
// the calling thread writes the finished ones.
constexpr size_t kChunksPerThread = 2;

unsigned CompressingThreads()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

// The zlib header a single deflate at `level` writes.
std::array<unsigned char, 2> ZlibHeader(int level)
{
    if (level == Z_DEFAULT_COMPRESSION)
        level = 6;
    const unsigned levelFlags = level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3;
    unsigned header = (0x78u << 8) | (levelFlags << 6);
    header += 31 - header % 31;
    return { static_cast<unsigned char>(header >> 8), static_cast<unsigned char>(header & 0xFF) };
}

// A final, empty block of fixed codes: ends deflate data that ended on a
// byte boundary.
constexpr std::array<unsigned char, 2> kLastBlock { 0x03, 0x00 };

} // namespace

struct TCompressionStream::Chunk {
    std::string Input;
    std::string Dictionary;
    std::unique_ptr<unsigned char[]> Output;
    size_t OutputSize = 0;
    uLong Adler = 0;
    bool Done = false;
    std::exception_ptr Failure;
};

namespace {

// One raw deflate stream, reset for every chunk. Not movable: zlib keeps a
// pointer to the z_stream.
class RawDeflater {
public:
    explicit RawDeflater(int level)
    {
        if (const int result
            = deflateInit2(&FZ, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
            result != Z_OK)
            ThrowZlibError(result);
    }
    ~RawDeflater() { deflateEnd(&FZ); }
    RawDeflater(const RawDeflater&) = delete;
    RawDeflater& operator=(const RawDeflater&) = delete;

    // Compresses `input` after `dictionary` into `output`, which it sizes,
    // ending on a byte boundary with an empty stored block; returns the
    // bytes written.
    size_t Compress(std::string_view dictionary, std::string_view input,
        std::unique_ptr<unsigned char[]>& output)
    {
        if (const int result = deflateReset(&FZ); result != Z_OK)
            ThrowZlibError(result);
        if (!dictionary.empty()) {
            const int result
                = deflateSetDictionary(&FZ, reinterpret_cast<const Bytef*>(dictionary.data()),
                    static_cast<uInt>(dictionary.size()));
            if (result != Z_OK)
                ThrowZlibError(result);
        }
        // The bound of one finishing call, and room for the flush's block.
        const size_t room = deflateBound(&FZ, static_cast<uLong>(input.size())) + 64;
        output = std::make_unique_for_overwrite<unsigned char[]>(room);
        FZ.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
        FZ.avail_in = static_cast<uInt>(input.size());
        FZ.next_out = output.get();
        FZ.avail_out = static_cast<uInt>(room);
        const int result = deflate(&FZ, Z_SYNC_FLUSH);
        if (result != Z_OK)
            ThrowZlibError(result);
        if (FZ.avail_in != 0 || FZ.avail_out == 0)
            ThrowZlibError(Z_BUF_ERROR);
        return room - FZ.avail_out;
    }

private:
    z_stream FZ {};
};

} // namespace

struct TCompressionStream::State {
    explicit State(int level)
        : Header(ZlibHeader(level))
    {
        const unsigned threads = CompressingThreads();
        for (unsigned i = 0; i < threads; ++i)
            Deflaters.push_back(std::make_unique<RawDeflater>(level));
        MaxUnderWay = kChunksPerThread * threads;
    }

    ~State()
    {
        {
            const std::lock_guard<std::mutex> lock(Mutex);
            Stop = true;
        }
        Work.notify_all();
        for (std::thread& thread : Threads)
            thread.join();
    }

    // Started with the first chunk: small files need no threads.
    void StartThreads()
    {
        for (const std::unique_ptr<RawDeflater>& deflater : Deflaters)
            Threads.emplace_back([this, &deflater] { Run(*deflater); });
    }

    void Run(RawDeflater& deflater)
    {
        std::unique_lock<std::mutex> lock(Mutex);
        for (;;) {
            Work.wait(lock, [this] { return Stop || !Waiting.empty(); });
            if (Stop)
                return;
            Chunk* chunk = Waiting.front();
            Waiting.pop_front();
            lock.unlock();
            std::exception_ptr failure;
            try {
                chunk->OutputSize
                    = deflater.Compress(chunk->Dictionary, chunk->Input, chunk->Output);
                chunk->Adler = adler32(adler32(0, nullptr, 0),
                    reinterpret_cast<const Bytef*>(chunk->Input.data()),
                    static_cast<uInt>(chunk->Input.size()));
            } catch (...) {
                failure = std::current_exception();
            }
            lock.lock();
            chunk->Failure = failure;
            chunk->Done = true;
            ChunkDone.notify_all();
        }
    }

    const std::array<unsigned char, 2> Header;
    std::vector<std::unique_ptr<RawDeflater>> Deflaters;
    size_t MaxUnderWay = 0;

    // Shared with the threads.
    std::mutex Mutex;
    std::condition_variable Work;
    std::condition_variable ChunkDone;
    std::deque<Chunk*> Waiting;
    bool Stop = false;

    // The calling thread's alone.
    std::vector<std::thread> Threads;
    std::unique_ptr<Chunk> Filling;
    std::deque<std::unique_ptr<Chunk>> UnderWay;
    std::string Window;
    uLong Adler = adler32(0, nullptr, 0);
    bool HeaderWritten = false;
    bool Ended = false;
};

TCompressionStream::TCompressionStream(TStream& destination, int level)
    : FDestination(destination)
    , FState(std::make_unique<State>(level))
{
}

TCompressionStream::~TCompressionStream() = default;

size_t TCompressionStream::Read(void*, size_t)
{
    throw StreamReadError(kInvalidStreamOperation);
}

int64_t TCompressionStream::Seek(int64_t offset, SeekOrigin origin)
{
    return ForwardOnlySeek(offset, origin);
}

size_t TCompressionStream::Write(const void* buffer, size_t count)
{
    State& s = *FState;
    if (s.Ended)
        throw StreamWriteError(kInvalidStreamOperation);
    const auto* from = static_cast<const char*>(buffer);
    size_t left = count;
    while (left > 0) {
        if (!s.Filling) {
            s.Filling = std::make_unique<Chunk>();
            s.Filling->Input.reserve(kChunkBytes);
        }
        const size_t piece = std::min(left, kChunkBytes - s.Filling->Input.size());
        s.Filling->Input.append(from, piece);
        from += piece;
        left -= piece;
        if (s.Filling->Input.size() == kChunkBytes)
            Submit();
    }
    return count;
}

void TCompressionStream::Submit()
{
    State& s = *FState;
    Chunk& chunk = *s.Filling;
    chunk.Dictionary = s.Window;
    s.Window += chunk.Input.size() >= kWindowBytes
        ? std::string_view(chunk.Input).substr(chunk.Input.size() - kWindowBytes)
        : std::string_view(chunk.Input);
    if (s.Window.size() > kWindowBytes)
        s.Window.erase(0, s.Window.size() - kWindowBytes);
    if (s.Threads.empty())
        s.StartThreads();
    {
        const std::lock_guard<std::mutex> lock(s.Mutex);
        s.Waiting.push_back(&chunk);
    }
    s.Work.notify_one();
    s.UnderWay.push_back(std::move(s.Filling));
    WriteFinished(s.MaxUnderWay);
}

void TCompressionStream::WriteFinished(size_t keep)
{
    State& s = *FState;
    while (!s.UnderWay.empty()) {
        Chunk& front = *s.UnderWay.front();
        {
            std::unique_lock<std::mutex> lock(s.Mutex);
            if (s.UnderWay.size() > keep)
                s.ChunkDone.wait(lock, [&front] { return front.Done; });
            else if (!front.Done)
                return;
        }
        if (front.Failure)
            std::rethrow_exception(front.Failure);
        WriteHeaderOnce();
        FDestination.WriteBuffer(front.Output.get(), front.OutputSize);
        s.Adler = adler32_combine(s.Adler, front.Adler, static_cast<z_off_t>(front.Input.size()));
        s.UnderWay.pop_front();
    }
}

void TCompressionStream::WriteHeaderOnce()
{
    State& s = *FState;
    if (!s.HeaderWritten) {
        FDestination.WriteBuffer(s.Header.data(), s.Header.size());
        s.HeaderWritten = true;
    }
}

void TCompressionStream::Finish()
{
    State& s = *FState;
    if (s.Ended)
        return;
    if (s.Filling && !s.Filling->Input.empty())
        Submit();
    WriteFinished(0);
    WriteHeaderOnce();
    FDestination.WriteBuffer(kLastBlock.data(), kLastBlock.size());
    const std::array<unsigned char, 4> trailer { static_cast<unsigned char>(s.Adler >> 24),
        static_cast<unsigned char>(s.Adler >> 16), static_cast<unsigned char>(s.Adler >> 8),
        static_cast<unsigned char>(s.Adler) };
    FDestination.WriteBuffer(trailer.data(), trailer.size());
    s.Ended = true;
}

} // namespace maprune
