-- Shared by the Ardour scripts: the dummy backend with a sine generator on every input.
function start_engine()
  ARDOUR.config():set_hide_dummy_backend(false)
  -- Ardour indexes the plug-ins of this folder when the engine starts.
  ARDOUR.config():set_plugin_path_vst3(os.getenv("HOME") .. "/.vst3")
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

-- The two builds: class name, input channels, the omni gain parameters.
variants = {
  { name = "Lobeshift Stereo", inputs = 4, parameters = 14, omni_gains = { 10, 12 } },
  { name = "Lobeshift", inputs = 2, parameters = 12, omni_gains = { 10 } },
}
session_dir = os.getenv("LOBESHIFT_SESSION_DIR")
