// Base64 (RFC 4648, with padding, no line breaks) streamed into any sink with a Write(const void*, std::size_t)
// member: the glTF writer's embedded buffers and the chart page's embedded model.
#ifndef SURFAX_HOST_CORE_BASE64_H
#define SURFAX_HOST_CORE_BASE64_H

#include <cstddef>
#include <cstdint>

namespace surfax::core
{
/// Encodes the bytes of any number of Write calls as one base64 text into the sink, in pieces of up to 4 KiB.
/// Finish writes the last group (padded with '=') and must be called once at the end. The sink must outlive it.
template <typename Sink> class Base64Writer
{
public:
	explicit Base64Writer(Sink& sink) : _sink(sink) {}

	void Write(const void* data, std::size_t size)
	{
		const unsigned char* p = static_cast<const unsigned char*>(data);
		while (size > 0)
		{
			_pending[_pendingCount++] = *p++;
			--size;
			if (_pendingCount == 3)
				EmitGroup(3);
		}
	}

	void Finish()
	{
		if (_pendingCount > 0)
			EmitGroup(_pendingCount);
		Flush();
	}

private:
	void EmitGroup(int count)
	{
		static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
		for (int k = count; k < 3; ++k)
			_pending[k] = 0;
		const std::uint32_t v = (std::uint32_t(_pending[0]) << 16) | (std::uint32_t(_pending[1]) << 8) | _pending[2];
		_out[_outCount++] = kAlphabet[(v >> 18) & 63];
		_out[_outCount++] = kAlphabet[(v >> 12) & 63];
		_out[_outCount++] = count > 1 ? kAlphabet[(v >> 6) & 63] : '=';
		_out[_outCount++] = count > 2 ? kAlphabet[v & 63] : '=';
		_pendingCount = 0;
		if (_outCount + 4 > sizeof(_out))
			Flush();
	}

	void Flush()
	{
		_sink.Write(_out, _outCount);
		_outCount = 0;
	}

	Sink& _sink;
	unsigned char _pending[3] = {0, 0, 0};
	int _pendingCount = 0;
	char _out[4096];
	std::size_t _outCount = 0;
};

} // namespace surfax::core

#endif
