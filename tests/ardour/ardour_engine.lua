-- Shared by the Ardour scripts: the dummy backend with a sine generator on every input.
-- The plug-in format under test: "VST3" (default) or "LXVST" (the VST 2 entry).
plugin_format = os.getenv("LOBESHIFT_PLUGIN_FORMAT") or "VST3"
plugin_type = plugin_format == "LXVST" and ARDOUR.PluginType.LXVST or ARDOUR.PluginType.VST3
-- Ardour sets a VST 3 plug-in's parameters in plain values (the controller's
-- conversions) and a VST 2 plug-in's normalized: the lowest gain, -6 dB, is either.
lowest_gain = plugin_format == "LXVST" and 0.0 or -6.0

-- With default_folders, Ardour keeps its own plug-in folders (the system's, where packages
-- install); without, it looks in the scratch home's ~/.vst3 and ~/.lxvst only.
function start_engine(default_folders)
  ARDOUR.config():set_hide_dummy_backend(false)
  -- Ardour indexes the plug-ins of these folders when the engine starts.
  if not default_folders then
    ARDOUR.config():set_plugin_path_vst3(os.getenv("HOME") .. "/.vst3")
    ARDOUR.config():set_plugin_path_lxvst(os.getenv("HOME") .. "/.lxvst")
  end
  local backend = AudioEngine:set_backend("None (Dummy)", "", "")
  backend:set_device_name("Sine Wave")
  backend:set_sample_rate(48000)
  backend:set_buffer_size(1024)
  assert(AudioEngine:start(false) == 0, "the audio engine did not start")
end

function output_peaks(track)
  local meter = track:peak_meter()
  return meter:meter_level(0, ARDOUR.MeterType.MeterPeak), meter:meter_level(1, ARDOUR.MeterType.MeterPeak)
end

-- The output peaks of every track, read every 0.2 s until they pass `check`: a loaded
-- machine may take seconds to connect the inputs, fill the plug-ins' latency (0.17 s)
-- and apply parameters, so no fixed wait is trusted. A reading counts from 1 s on; with
-- `steady`, only one that agrees within 0.1 dB with the one before (a reference level).
-- The dummy backend's sines differ per input and per run, so a mix of two can beat: its
-- peak dips now and then, and `audible` asks for one loud reading, not every one. Gives
-- up after 15 s and returns the last reading for the caller's assertions to judge.
function output_peaks_when(tracks, check, steady)
  local previous = nil
  for attempt = 1, 75 do
    ARDOUR.LuaAPI.usleep(200000)
    local reading = {}
    for i, track in ipairs(tracks) do reading[i] = { output_peaks(track) } end
    local agrees = previous ~= nil
    for i = 1, #reading do
      for channel = 1, 2 do
        agrees = agrees and math.abs(reading[i][channel] - previous[i][channel]) < 0.1
      end
    end
    if attempt >= 5 and (agrees or not steady) and check(reading) then return reading end
    previous = reading
  end
  return previous
end

-- The processor's parameters `expected` names (id -> value), as Ardour reads them back,
-- once they all match (within 1e-3, relative above 1) or after 5 s: a host may apply a
-- preset's values asynchronously. Returns the values and whether they all matched.
function parameters_when_set(processor, expected)
  local read = {}
  local all_set = false
  for _ = 1, 25 do
    all_set = true
    for id, value in pairs(expected) do
      read[id] = ARDOUR.LuaAPI.get_processor_param(processor, id)
      all_set = all_set and math.abs(read[id] - value) < 1e-3 * math.max(1, math.abs(value))
    end
    if all_set then break end
    ARDOUR.LuaAPI.usleep(200000)
  end
  return read, all_set
end

function audible(reading)
  for _, peaks in ipairs(reading) do
    if not (peaks[1] > -30 and peaks[2] > -30) then return false end
  end
  return true
end

-- The two builds: class name, microphone pairs, input channels (the omni channel of
-- each pair first, then the figure-eight channels), the omni gain parameters.
variants = {
  { name = "Lobeshift Stereo", pairs = 2, inputs = 4, parameters = 14, omni_gains = { 10, 12 } },
  { name = "Lobeshift", pairs = 1, inputs = 2, parameters = 12, omni_gains = { 10 } },
}
session_dir = os.getenv("LOBESHIFT_SESSION_DIR")
